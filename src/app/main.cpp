// Rotation of the Sun: program start.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Rotation of the Sun");
    QMainWindow w;
    w.setWindowTitle("VORN Exercise - Rotation of The Sun");
    w.show();
    return app.exec();
}
