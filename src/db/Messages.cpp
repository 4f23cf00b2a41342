#include "db/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "db/DbError.h"

namespace db {
namespace messages {

namespace {
std::function<void(const Shown&)>& recorder() {
    static std::function<void(const Shown&)> r;
    return r;
}
std::function<void(const Shown&)>& boxes() {
    static std::function<void(const Shown&)> b;
    return b;
}

void present(const Shown& shown) {
    if (recorder()) {
        recorder()(shown);
    } else if (boxes()) {
        boxes()(shown);
    } else {
        const QByteArray line = (shown.caption + QStringLiteral(": ") + shown.text).toLocal8Bit();
        std::fprintf(stderr, "%s\n", line.constData());
    }
}
}  // namespace

void setRecorder(std::function<void(const Shown&)> r) { recorder() = std::move(r); }

void setBoxes(std::function<void(const Shown&)> b) { boxes() = std::move(b); }

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
    present({Kind::Message, caption, text});
}

void show(const QList<Notice>& notices) {
    for (const Notice& n : notices) show(n.text, n.caption);
}

void errorReport(const QString& message) {
    QString text = reportText(translated(message));  // the program's own texts; a server's pass unchanged
    present({Kind::ErrorReport, programTitle(), text});
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
