#include "program.h"

#include "diaok.h"
#include "inf.h"
#include "konfig.h"
#include "konwer.h"
#include "mein.h"
#include "pisow.h"

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
