#pragma once
// The hex grid control: draws the document of its THexModel base as offset,
// marker, hex and character columns, and edits it from keys and the mouse.
#include "hexmodel.h"
#include "tcolors.h"

#include <QAbstractScrollArea>
#include <functional>
#include <memory>

enum TOffsetDisplayStyle : uint8_t { odHex = 0, odDec = 1, odOctal = 2, odNone = 3 };
enum TCaretStyle : uint8_t { csFull = 0, csLeftLine = 1, csBottomLine = 2 };

class THexEditor : public QAbstractScrollArea, public THexModel, private IHexView {
    Q_OBJECT
public:
    explicit THexEditor(QWidget* parent = nullptr);
    ~THexEditor() override;

    // Display properties; setters do nothing when the value does not change.
    int BytesPerColumn() const;
    void SetBytesPerColumn(int value); // below 1 is rejected
    TOffsetDisplayStyle OffsetDisplay() const;
    void SetOffsetDisplay(TOffsetDisplayStyle value);
    char OffsetSeparator() const;
    void SetOffsetSeparator(char value);
    bool ShowMarkerColumn() const;
    void SetShowMarkerColumn(bool value);
    bool FocusFrame() const;
    void SetFocusFrame(bool value);
    TCaretStyle CaretStyle() const;
    void SetCaretStyle(TCaretStyle value);
    bool AutoCaretMode() const;
    void SetAutoCaretMode(bool value);
    TColors* Colors() const;

    // Keys the control does not consume reach this hook; setting key to 0 marks it handled.
    std::function<void(int& key, Qt::KeyboardModifiers modifiers)> OnKeyDown;

private:
    struct Impl;
    std::unique_ptr<Impl> w;
};
