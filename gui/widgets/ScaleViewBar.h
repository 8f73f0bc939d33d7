#pragma once

#include "gui/widgets/BaseWidget.h"

class IconButton;
class QLabel;
class TinySlider;

// Shows and changes a zoom percentage: read-out, zoom-out, slider, zoom-in, fit to window and
// actual size. It zooms nothing itself; the owner answers the signals and writes the
// resulting percentage back with setValue().
class ScaleViewBar : public BaseWidget
{
    Q_OBJECT

public:
    enum ButtonType
    {
        ZoomOut = 0,
        ZoomIn = 1,
        FitToWindow = 2,
        FitTo100 = 3
    };

    explicit ScaleViewBar(QWidget* parent = nullptr);

    // Shows v and enables exactly the buttons that would change it; never emits.
    void setValue(int v);
    int value() const { return m_value; }
    void setRange(int minimum, int maximum, int fitValue, int hundredValue);
    // Stored only: the buttons follow at the next setValue().
    void setFitValue(int v) { m_fitValue = v; }
    int fitValue() const { return m_fitValue; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setButtonEnabled(int type, bool enabled);
    IconButton* button(int type) const;
    TinySlider* slider() const { return m_slider; }
    QLabel* readoutLabel() const { return m_readout; }
    // The bordered look: a white box with borders on three sides and an inner margin.
    void setBorderStyle(bool bordered);
    // The percentage one zoom step in or out of `value` gives: about a tenth more or less,
    // at least one point, inside the range.
    int stepIn(int value) const;
    int stepOut(int value) const;

public slots:
    // What the buttons do, also for the keys: each emits as its button does.
    void zoomIn();
    void zoomOut();

signals:
    void sliderValueChanged(int scale);
    void scaleButtonClicked(int type);
    void fitToWindow(bool status);

private:
    IconButton* makeButton(const QString& icon);
    void zoomTo(int value);

    int m_value = 100;
    int m_minimum = 0;
    int m_maximum = 200;
    int m_fitValue = 100;
    int m_hundredValue = 100;
    QLabel* m_readout;
    IconButton* m_buttons[4] = {};
    TinySlider* m_slider;
};
