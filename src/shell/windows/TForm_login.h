#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "db/Query.h"

class TForm_main;

// The sign-in window, the first window of the program; closing it ends the
// program.
class TForm_login : public QDialog {
    Q_OBJECT
public:
    explicit TForm_login(TForm_main* mainWindow, QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();
    db::Query& query() { return *ADOQuery1; }
    void reject() override { close(); }

    QPushButton* Button_yes;
    QPushButton* Button_no;
    QLineEdit* Edit_username;
    QLineEdit* Edit_password;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TForm_main* main_;
    db::Query* ADOQuery1;
};
