#include "appcore/misspellings.h"

#include "base/cp1250.h"

#include <iterator>

namespace {
const TMisspelling kList[] = {
#include "data/misspellings.inc"
};

QStringList Column(const char* TMisspelling::*column) {
    QStringList out;
    out.reserve(qsizetype(std::size(kList)));
    for (const TMisspelling& pair : kList)
        out.append(cp1250::Decode(QByteArrayView(pair.*column)));
    return out;
}
} // namespace

const TMisspelling* MisspellingList() {
    return kList;
}

size_t MisspellingCount() {
    return std::size(kList);
}

QStringList Misspellings() {
    return Column(&TMisspelling::misspelling);
}

QStringList Corrections() {
    return Column(&TMisspelling::correction);
}
