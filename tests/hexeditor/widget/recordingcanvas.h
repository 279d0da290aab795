#pragma once
// A paint device that records every text drawn on it: the text, where its top
// lies (baseline minus the font's ascent on this device) and the font.
#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QString>
#include <QTextItem>
#include <vector>

struct TDrawnText {
    QString text;
    qreal x = 0;
    qreal baseline = 0;
    QFont font;
};

class TRecordingCanvas : public QPaintDevice {
public:
    TRecordingCanvas(int width, int height, int dpi = 300)
        : width_(width), height_(height), dpi_(dpi), engine_(this) {}
    ~TRecordingCanvas() override = default;

    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<TDrawnText>& Drawn() const { return drawn_; }
    void Clear() { drawn_.clear(); }
    std::vector<QString> Texts() const {
        std::vector<QString> out;
        for (const auto& d : drawn_)
            out.push_back(d.text);
        return out;
    }
    // Top of a drawn text: its baseline less the ascent of its font here.
    int Top(const TDrawnText& d) const {
        return qRound(d.baseline) - QFontMetrics(d.font, this).ascent();
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmWidthMM:
            return width_ * 254 / (dpi_ * 10);
        case PdmHeightMM:
            return height_ * 254 / (dpi_ * 10);
        case PdmNumColors:
            return 2;
        case PdmDepth:
            return 1;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TRecordingCanvas* owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            owner_->drawn_.push_back({item.text(), p.x(), p.y(), item.font()});
        }
        Type type() const override { return User; }

    private:
        TRecordingCanvas* owner_;
    };

    int width_;
    int height_;
    int dpi_;
    mutable Engine engine_;
    std::vector<TDrawnText> drawn_;
};
