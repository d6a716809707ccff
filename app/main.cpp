#include "app/program.h"
#include "toolkit/application.h"
#include "toolkit/first_paint.h"
#include "toolkit/languages.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::InstallUserTranslations();

    Program program(QString(), Startup::AfterFirstPaint);
    TForm1& form1 = program.form1;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form1.move(screen->availableGeometry().center() - form1.rect().center());
    toolkit::AfterFirstPaint(&form1, toolkit::SetWindowIcon);
    toolkit::QuitAfterFirstPaintIfAsked(&form1);
    form1.show();
    return QApplication::exec();
}
