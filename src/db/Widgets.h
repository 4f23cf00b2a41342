#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// Small makers for the controls of the windows: each gets its objectName.
namespace db::widgets {

inline QLineEdit* edit(QWidget* parent, const char* name, int minimumWidth = 240) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(minimumWidth);
    return e;
}

inline QCheckBox* check(QWidget* parent, const QString& caption, const char* name) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

// A push button that Enter does not press unless it has the focus.
inline QPushButton* button(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

inline QGroupBox* group(QWidget* parent, const QString& caption, const char* name) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

}  // namespace db::widgets
