#include "gui/editor/ColorEntry.h"

#include "core/base/ScreenManager.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

ColorEntry::ColorEntry(const QColor& initial, QWidget* parent)
    : QWidget(parent), m_nameLabel(new QLabel), m_swatch(new QPushButton),
      m_hexField(new QLineEdit), m_opacityField(new QLineEdit), m_color(initial)
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("color"));

    auto* nameBox = new QWidget;
    nameBox->setAttribute(Qt::WA_StyledBackground);
    nameBox->setObjectName(QStringLiteral("widget_property"));
    nameBox->setFixedHeight(scaled(22));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameLayout->setContentsMargins(scaledRect(10, 0, 10, 0));
    nameLayout->addWidget(m_nameLabel);

    m_swatch->setObjectName(QStringLiteral("color"));
    m_swatch->setFixedSize(scaledSize(QSize(22, 22)));
    m_swatch->setCursor(Qt::PointingHandCursor);
    m_hexField->setObjectName(QStringLiteral("color"));
    // Wide enough for six hex digits and "100" in the widest of the bundled UI fonts.
    m_hexField->setFixedSize(scaledSize(QSize(62, 22)));
    m_hexField->setAlignment(Qt::AlignCenter);

    auto* alphaBox = new QWidget;
    alphaBox->setObjectName(QStringLiteral("alpha_color"));
    alphaBox->setMaximumWidth(scaled(58));
    auto* alphaLayout = new QHBoxLayout(alphaBox);
    alphaLayout->setContentsMargins(scaledRect(5, 0, 5, 0));
    alphaLayout->setSpacing(0);
    m_opacityField->setObjectName(QStringLiteral("alpha_color"));
    m_opacityField->setFixedSize(scaledSize(QSize(32, 20)));
    m_opacityField->setAlignment(Qt::AlignCenter);
    alphaLayout->addStretch();
    alphaLayout->addWidget(m_opacityField);
    alphaLayout->addWidget(new QLabel(QStringLiteral("%")));
    alphaLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaledRect(1, 1, 1, 1));
    layout->setSpacing(0);
    layout->addWidget(nameBox);
    layout->addWidget(m_swatch);
    layout->addWidget(m_hexField);
    layout->addWidget(alphaBox);

    refresh();
    connect(m_hexField, &QLineEdit::textChanged, this, &ColorEntry::hexEdited);
    connect(m_opacityField, &QLineEdit::textChanged, this, &ColorEntry::opacityEdited);
    connect(m_swatch, &QPushButton::clicked, this, &ColorEntry::pickColor);
}

void ColorEntry::setColor(const QColor& color)
{
    m_color = color;
    refresh();
}

void ColorEntry::clearInputFocus()
{
    m_hexField->clearFocus();
    m_opacityField->clearFocus();
}

void ColorEntry::refresh()
{
    const QSignalBlocker hexBlocker(m_hexField);
    const QSignalBlocker opacityBlocker(m_opacityField);
    m_hexField->setText(m_color.name().mid(1).toUpper());
    m_opacityField->setText(QString::number(std::lround(m_color.alpha() * 100 / 255.0)));
    paintSwatch();
}

void ColorEntry::paintSwatch()
{
    m_swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(m_color.name()));
}

// The field keeps what was typed, so a half-typed value is not rewritten under the cursor;
// the colour takes red, green and blue from it (black while it is not a colour) and keeps
// its opacity.
void ColorEntry::hexEdited(const QString& text)
{
    const QColor parsed(QLatin1Char('#') + QString(text).remove(QLatin1Char('#')));
    const QColor rgb = parsed.isValid() ? parsed : QColor(Qt::black);
    m_color.setRgb(rgb.red(), rgb.green(), rgb.blue(), m_color.alpha());
    paintSwatch();
    emit colorEdited();
}

void ColorEntry::opacityEdited(const QString& text)
{
    const int percent = qBound(0, text.toInt(), 100);
    m_color.setAlpha(percent * 255 / 100);
    const QSignalBlocker blocker(m_opacityField);
    m_opacityField->setText(QString::number(percent));
    emit colorEdited();
}

void ColorEntry::pickColor()
{
    const QColor picked =
        QColorDialog::getColor(m_color, this, tr("Select color"), QColorDialog::ShowAlphaChannel);
    if (!picked.isValid())
        return;
    setColor(picked);
    emit colorEdited();
}
