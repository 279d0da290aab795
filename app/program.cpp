#include "app/program.h"

#include "dialogs/diaok.h"
#include "dialogs/inf.h"
#include "dialogs/konfig.h"
#include "dialogs/konwer.h"
#include "app/mein.h"
#include "dialogs/pisow.h"

TProgram::TProgram(const QStringList& arguments) {
    main_ = new TMain;
    Created(main_);
    const TMainImages images = main_->Images();
    Created(new TKonfiguracja(images, main_));
    Created(new TDialOkey(images, main_));
    Created(new TInfo(images, main_));
    Created(new TPisownia(images, main_));
    Created(new TKonwert(images, main_));
    main_->FormCreate(arguments);
}

TProgram::~TProgram() {
    // The dialogs go first, the main window (with the hex editor's working file) last.
    for (int i = int(std::size(windows_)) - 1; i >= 0; --i)
        delete windows_[i];
}

void TProgram::Created(QWidget* window) {
    windows_[order_.size()] = window;
    order_ << QString::fromLatin1(window->metaObject()->className());
}
