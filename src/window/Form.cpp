#include "window/Form.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "db/DbError.h"
#include "db/Messages.h"
#include "db/OdbcQuery.h"

namespace db {

Form::Form(const QString& instanceName, QWidget* parent) : QDialog(parent) {
    setObjectName(instanceName);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    query_ = new OdbcQuery(this);
    query_->setObjectName(QStringLiteral("ADOQuery1"));
}

void Form::setSession(const QString& userName, const QString& connectionString) {
    userName_ = userName;
    connectionString_ = connectionString;
}

void Form::setQuery(Query* query) {
    delete query_;
    query_ = query;
    query_->setParent(this);
    query_->setObjectName(QStringLiteral("ADOQuery1"));
    emit queryReplaced();
}

void Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) handle([this] { formShow(); });
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    // A statement still running for this window is stopped.
    if (query_ && query_->busy()) query_->cancel();
    // Closed by its own running handler, or while that handler waits for a
    // statement: the window goes once the handler has returned.
    if (handling_ > 0 && testAttribute(Qt::WA_DeleteOnClose)) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        deleteAfterHandler_ = true;
    }
}

void Form::handle(const std::function<void()>& handler) {
    ++handling_;
    guarded([&] {
        try {
            handler();
        } catch (const StatementCancelled&) {
            if (isVisible()) throw;  // reported; a closed window says nothing
        }
    });
    if (--handling_ == 0 && deleteAfterHandler_) {
        deleteAfterHandler_ = false;
        if (isHidden()) deleteLater();
        else setAttribute(Qt::WA_DeleteOnClose, true);  // shown again meanwhile
    }
}

}  // namespace db
