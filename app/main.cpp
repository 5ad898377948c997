#include <QApplication>

#include "app/tform1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tharnwell"));
    TForm1 form;
    form.show();
    return QApplication::exec();
}
