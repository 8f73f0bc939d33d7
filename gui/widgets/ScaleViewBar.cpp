#include "gui/widgets/ScaleViewBar.h"

#include "core/base/ScreenManager.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/TinySlider.h"

#include <QBoxLayout>
#include <QLabel>

#include <algorithm>
#include <cmath>

ScaleViewBar::ScaleViewBar(QWidget* parent)
    : BaseWidget(parent, 1), m_readout(new QLabel(this)),
      m_slider(new TinySlider(Qt::Horizontal, this))
{
    m_buttons[ZoomOut] = makeButton(QStringLiteral(":/images/preview/zoom_out.svg"));
    m_buttons[ZoomIn] = makeButton(QStringLiteral(":/images/preview/zoom_in.svg"));
    m_buttons[FitToWindow] = makeButton(QStringLiteral(":/images/preview/fit_to_window.svg"));
    m_buttons[FitTo100] = makeButton(QStringLiteral(":/images/preview/fit_to_100.svg"));
    m_slider->setObjectName(QStringLiteral("progress_slider"));
    m_slider->setRange(m_minimum, m_maximum);

    QBoxLayout* layout = innerLayout();
    layout->setSpacing(scaled(10));
    layout->addWidget(m_readout);
    layout->addWidget(m_buttons[ZoomOut]);
    layout->addWidget(m_slider);
    layout->addWidget(m_buttons[ZoomIn]);
    layout->addWidget(m_buttons[FitToWindow]);
    layout->addWidget(m_buttons[FitTo100]);
    setBorderStyle(false);

    // A disabled button must not act even if a press reaches its event filter.
    const auto whenEnabled = [](IconButton* button, auto action) {
        return [button, action](QObject*) {
            if (button->isEnabled())
                action();
        };
    };
    connect(m_buttons[ZoomOut], &IconButton::clicked, this,
            whenEnabled(m_buttons[ZoomOut], [this] { zoomOut(); }));
    connect(m_buttons[ZoomIn], &IconButton::clicked, this,
            whenEnabled(m_buttons[ZoomIn], [this] { zoomIn(); }));
    connect(m_buttons[FitToWindow], &IconButton::clicked, this,
            whenEnabled(m_buttons[FitToWindow], [this] { emit fitToWindow(false); }));
    connect(m_buttons[FitTo100], &IconButton::clicked, this,
            whenEnabled(m_buttons[FitTo100], [this] { emit fitToWindow(true); }));
    connect(m_slider, &TinySlider::valueChanged, this, [this](int v) {
        setValue(v);
        emit sliderValueChanged(v);
    });
    setValue(m_value);
}

IconButton* ScaleViewBar::makeButton(const QString& icon)
{
    auto* button = new IconButton(this);
    button->setObjectName(QStringLiteral("scale_view"));
    button->setIcon(icon);
    button->setIconSize(scaledSize(QSize(14, 14)));
    return button;
}

int ScaleViewBar::stepIn(int value) const
{
    return std::clamp(std::max(value + 1, int(std::lround(value * 1.1))), m_minimum, m_maximum);
}

int ScaleViewBar::stepOut(int value) const
{
    return std::clamp(std::min(value - 1, int(std::lround(value / 1.1))), m_minimum, m_maximum);
}

void ScaleViewBar::zoomIn()
{
    zoomTo(stepIn(m_value));
}

void ScaleViewBar::zoomOut()
{
    zoomTo(stepOut(m_value));
}

void ScaleViewBar::zoomTo(int value)
{
    if (value == m_value)
        return;
    const int delta = value - m_value;
    setValue(value);
    emit scaleButtonClicked(delta);
}

void ScaleViewBar::setValue(int v)
{
    m_value = v;
    m_readout->setText(QString::number(v) + QLatin1Char('%'));
    m_buttons[ZoomOut]->setEnabled(v > m_minimum);
    m_buttons[ZoomIn]->setEnabled(v < m_maximum);
    m_buttons[FitToWindow]->setEnabled(v != m_fitValue);
    m_buttons[FitTo100]->setEnabled(v != m_hundredValue);
    const bool wasBlocked = m_slider->blockSignals(true);
    m_slider->setValue(v);
    m_slider->blockSignals(wasBlocked);
}

void ScaleViewBar::setRange(int minimum, int maximum, int fitValue, int hundredValue)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_fitValue = fitValue;
    m_hundredValue = hundredValue;
    const bool wasBlocked = m_slider->blockSignals(true);
    m_slider->setRange(minimum, maximum);
    m_slider->blockSignals(wasBlocked);
}

void ScaleViewBar::setButtonEnabled(int type, bool enabled)
{
    if (IconButton* target = button(type))
        target->setEnabled(enabled);
}

IconButton* ScaleViewBar::button(int type) const
{
    return type >= 0 && type < 4 ? m_buttons[type] : nullptr;
}

void ScaleViewBar::setBorderStyle(bool bordered)
{
    contentWidget()->setObjectName(bordered ? QStringLiteral("widget_no_bottom") : QString());
    const int margin = bordered ? scaled(10) : 0;
    innerLayout()->setContentsMargins(margin, margin, margin, margin);
}
