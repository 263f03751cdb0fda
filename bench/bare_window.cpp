// The yardstick for the pet's start-up and memory: the least a Qt Widgets
// program needs to show a window of the pet's size, with or without text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pet"));
    window.setFixedSize(282, 281);
#ifdef PET_BARE_WITH_TEXT
    // The same with one line of text: the fonts any window with text must load.
    QLabel label(QStringLiteral("Голод: 5"), &window);
    label.move(32, 8);
#endif
    window.show();
    return app.exec();
}
