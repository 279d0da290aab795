// Program entry: the application, its windows, the message loop.
#include "aplikacja.h"
#include "mein.h"
#include "program.h"

int main(int argc, char** argv) {
    TAplikacja app(argc, argv);
    TProgram program(app.arguments().mid(1));
    program.Main()->show();
    return app.exec();
}
