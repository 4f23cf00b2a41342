#pragma once

#include <QPushButton>

#include "window/Form.h"

// "用户注销": the signed-in user deletes the own account; the program then ends.
class TForm_logout : public db::Form {
    Q_OBJECT
public:
    explicit TForm_logout(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QPushButton* Button_yes;
    QPushButton* Button_no;

signals:
    // Sent just before the program is told to end.
    void quitRequested();
};
