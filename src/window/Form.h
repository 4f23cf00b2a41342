#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "db/Query.h"

namespace db {

// A modeless window of the program. It holds the current user name and the
// paper connection string that its opener copies in, and owns one query
// object. Its own buttons close it; a closed window is destroyed.
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(const QString& instanceName, QWidget* parent = nullptr);

    void setSession(const QString& userName, const QString& connectionString);
    const QString& userName() const { return userName_; }
    const QString& connectionString() const { return connectionString_; }

    // The window's query object (ADOQuery1).
    Query& query() { return *query_; }
    // Replaces the query object (tests); the form takes ownership.
    void setQuery(Query* query);

    // Creates a window of class W, copies the two texts in and shows it
    // without blocking.
    template <class W>
    static W* open(const QString& userName, const QString& connectionString) {
        W* w = new W();
        w->setSession(userName, connectionString);
        w->show();
        return w;
    }

    void reject() override { close(); }

signals:
    void queryReplaced();

protected:
    // Runs when the window is shown, after the two texts are in place.
    virtual void formShow() {}
    void showEvent(QShowEvent* event) override;
    // Closing hides the window (and destroys it), and stops its running
    // statement. QDialog's own close event would call reject(), which closes
    // again and so refuses the close.
    void closeEvent(QCloseEvent* event) override;
    // Runs a handler: an error goes to the error report, the window stays.
    // A statement stopped because the window was closed is not reported.
    void handle(const std::function<void()>& handler);

private:
    QString userName_;
    QString connectionString_;
    Query* query_ = nullptr;
    int handling_ = 0;  // handlers running (nested while one waits)
    bool deleteAfterHandler_ = false;
};

}  // namespace db
