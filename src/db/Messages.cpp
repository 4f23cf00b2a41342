#include "db/Messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "db/DbError.h"

namespace db {
namespace messages {

namespace {
std::function<void(const Shown&)>& recorder() {
    static std::function<void(const Shown&)> r;
    return r;
}
}  // namespace

void setRecorder(std::function<void(const Shown&)> r) { recorder() = std::move(r); }

QString programTitle() {
    QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) return QStringLiteral("paper_catalogue");
    return QFileInfo(path).completeBaseName();
}

QString translated(const QString& text) {
    const QByteArray key = text.toUtf8();
    return QCoreApplication::translate("messages", key.constData());
}

QString reportText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() <= '.') return message;
    return message + QLatin1Char('.');
}

void show(const QString& shownText, const QString& shownCaption) {
    // The fixed texts of the outcome rules are translated here, where they
    // are shown (texts from the windows arrive translated already).
    const QString text = translated(shownText);
    const QString caption = translated(shownCaption);
    if (recorder()) {
        recorder()({Kind::Message, caption, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

void show(const QList<Notice>& notices) {
    for (const Notice& n : notices) show(n.text, n.caption);
}

void errorReport(const QString& message) {
    QString text = reportText(translated(message));  // the program's own texts; a server's pass unchanged
    if (recorder()) {
        recorder()({Kind::ErrorReport, programTitle(), text});
        return;
    }
    QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace messages

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const DbError& e) {
        messages::errorReport(e.message());
    } catch (const std::exception& e) {
        messages::errorReport(QString::fromUtf8(e.what()));
    }
}

}  // namespace db
