#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>

#include "window/Form.h"

// A window's own close (a button, Escape, the title bar) hides it and lets it go.
TEST(FormClose, CloseAndEscapeBothEndTheWindow) {
    QPointer<db::Form> a = new db::Form(QStringLiteral("Form_a"));
    a->show();
    EXPECT_TRUE(a->close());
    EXPECT_FALSE(a->isVisible());

    QPointer<db::Form> b = new db::Form(QStringLiteral("Form_b"));
    b->show();
    b->reject();  // what Escape does
    EXPECT_FALSE(b->isVisible());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
}
