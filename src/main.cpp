#include <QApplication>

#include "shell/TForm_login.h"
#include "shell/TForm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    TForm_main Form_main;  // hidden until a sign-in shows it
    TForm_login Form_login(&Form_main);
    Form_login.show();
    app.exec();
    return 0;
}
