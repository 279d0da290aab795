// libFuzzer harness of the settings file reader: any bytes must parse, read
// back into settings, survive the save's changes and come out again unchanged
// where nothing was changed.
#include "appcore/inidocument.h"
#include "appcore/settingsstore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto doc = ini::TIniDocument::Parse(bytes);
    if (doc.Serialize() != bytes) abort(); // an untouched file is kept byte for byte

    settings::TProperties props = settings::FactoryProperties();
    settings::ReadProperties(doc, props);
    const QSize screen(1024, 768);
    const auto placement = settings::ReadPlacement(doc, screen, settings::TPlacement{});
    (void)settings::PlaceAt(placement, 96, QRect(0, 0, 100, 100), false);
    (void)settings::KeepOnScreens(QRect(placement.Values.Left, placement.Values.Top, 100, 100),
                                  {QRect(0, 0, 1024, 768)});

    // A save over whatever was there reads back as what was saved.
    settings::WriteSection(doc, placement.Values, props, screen, false);
    auto again = ini::TIniDocument::Parse(doc.Serialize());
    settings::TProperties back = settings::FactoryProperties();
    back.EdytorFont.Name = back.HexFont.Name = QStringLiteral("x");
    settings::ReadProperties(again, back);
    // Values are written trimmed, so font names lose blanks that only quotes kept.
    settings::TProperties expected = props;
    expected.EdytorFont.Name = expected.EdytorFont.Name.trimmed();
    expected.HexFont.Name = expected.HexFont.Name.trimmed();
    if (!(back == expected)) abort();
    // And what was read back is saved and read again unchanged.
    ini::TIniDocument third;
    settings::WriteSection(third, placement.Values, back, screen, true);
    settings::TProperties backAgain = settings::FactoryProperties();
    settings::ReadProperties(ini::TIniDocument::Parse(third.Serialize()), backAgain);
    if (!(backAgain == back)) abort();

    again.EraseSection(settings::kSection);
    if (again.HasSection(settings::kSection)) abort();
    return 0;
}
