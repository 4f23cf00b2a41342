#pragma once

#include <QLabel>
#include <QMainWindow>

#include "shell/SignIn.h"

// The main window: greets the signed-in user, holds the user name and the
// paper connection string for the rest of the run, and opens every window
// through its menu.
class TForm_main : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm_main(QWidget* parent = nullptr);

    void setSession(const QString& userName, const QString& paperConnection);
    const QString& userName() const { return userName_; }
    const QString& paperConnection() const { return paperConnection_; }
    // Shows and hides menu items as the sign-in decided.
    void applyAccess(shell::Access access);

    // A menu command by the objectName of its item (menu31Click and so on).
    void menuClick(const QString& item);

    QLabel* Label_welcome;
    QLabel* Label_user;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QMenu* addMenu(QMenu* parent, const QString& title, const char* name);
    QAction* addCommand(QMenu* parent, const QString& title, const char* name);

    QString userName_;
    QString paperConnection_;
};
