// Program entry.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lirabo"));
    QLabel label(QStringLiteral("Lirabo"));
    label.show();
    return app.exec();
}
