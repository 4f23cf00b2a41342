#include "db/Form.h"

#include <QCloseEvent>
#include <QShowEvent>

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

void Form::closeEvent(QCloseEvent* event) { event->accept(); }

void Form::handle(const std::function<void()>& handler) { guarded(handler); }

}  // namespace db
