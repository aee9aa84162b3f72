#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QDialog window;
    return window.exec() >= 0 ? 0 : 1;
}
