// Program entry: the application, its windows, the message loop.
#include "app/aplikacja.h"
#include "app/mein.h"
#include "app/program.h"

int main(int argc, char** argv) {
    TAplikacja app(argc, argv);
    TProgram program(app.arguments().mid(1));
    program.Main()->show();
    return app.exec();
}
