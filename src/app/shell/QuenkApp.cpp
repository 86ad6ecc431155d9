#include "shell/QuenkApp.h"

#include <QApplication>
#include <QMainWindow>

namespace quenk {

int RunQuenkApp(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8("Квенк 5.3"));
    window.show();
    return app.exec();
}

}  // namespace quenk
