#include "core/images/ImageCaption.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"

#include <QColor>
#include <QJsonDocument>

#include <algorithm>

namespace {

QString colorText(const QJsonObject& json, const QString& key, const QString& fallback)
{
    const QColor color(json.value(key).toString());
    return color.isValid() ? color.name(QColor::HexArgb) : fallback;
}

int bounded(const QJsonObject& json, const QString& key, int fallback, int minimum, int maximum)
{
    const QJsonValue value = json.value(key);
    return value.isDouble() ? std::clamp(value.toInt(fallback), minimum, maximum) : fallback;
}

int oneOf(const QJsonObject& json, const QString& key, std::initializer_list<int> allowed)
{
    const int value = json.value(key).toInt(0);
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : 0;
}

} // namespace

QJsonObject ImageCaption::toJson() const
{
    // Colours in one spelling, so equal captions give equal JSON.
    return {{QStringLiteral("text"), text},
            {QStringLiteral("color"), QColor(color).name(QColor::HexArgb)},
            {QStringLiteral("borderColor"), QColor(borderColor).name(QColor::HexArgb)},
            {QStringLiteral("fontSize"), fontSize.toInt()},
            {QStringLiteral("bold"), bold},
            {QStringLiteral("italic"), italic},
            {QStringLiteral("underline"), underline},
            {QStringLiteral("strikeOut"), strikeOut},
            {QStringLiteral("border"), border},
            {QStringLiteral("x"), x},
            {QStringLiteral("y"), y},
            {QStringLiteral("hAlign"), hAlign},
            {QStringLiteral("vAlign"), vAlign}};
}

ImageCaption ImageCaption::fromJson(const QJsonObject& json)
{
    ImageCaption caption;
    caption.text = json.value(QStringLiteral("text")).toString().left(kMaxTextLength);
    caption.color = colorText(json, QStringLiteral("color"), caption.color);
    caption.borderColor = colorText(json, QStringLiteral("borderColor"), caption.borderColor);
    caption.fontSize = QString::number(bounded(json, QStringLiteral("fontSize"), 18, 1, 100));
    caption.bold = json.value(QStringLiteral("bold")).toBool();
    caption.italic = json.value(QStringLiteral("italic")).toBool();
    caption.underline = json.value(QStringLiteral("underline")).toBool();
    caption.strikeOut = json.value(QStringLiteral("strikeOut")).toBool();
    caption.border = bounded(json, QStringLiteral("border"), 0, 0, 500);
    caption.x = bounded(json, QStringLiteral("x"), 0, -100000, 100000);
    caption.y = bounded(json, QStringLiteral("y"), 0, -100000, 100000);
    caption.hAlign = oneOf(json, QStringLiteral("hAlign"), {Left, HCenter, Right});
    caption.vAlign = oneOf(json, QStringLiteral("vAlign"), {Bottom, VCenter, Top});
    return caption;
}

void ImageCaption::rememberStyle(const ImageCaption& style)
{
    QJsonObject json = style.toJson();
    json.remove(QStringLiteral("text"));
    json.remove(QStringLiteral("x"));
    json.remove(QStringLiteral("y"));
    const QString text = QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
    // Typing changes no style: the store is written only when the style really changed.
    Settings* settings = Settings::instance();
    if (settings->value(AppConfig::kCaptionStyle, QString()).toString() != text)
        settings->setValue(AppConfig::kCaptionStyle, text);
}

void ImageCaption::applyRememberedStyle()
{
    const QByteArray stored =
        Settings::instance()->value(AppConfig::kCaptionStyle, QString()).toString().toUtf8();
    const QJsonObject json = QJsonDocument::fromJson(stored).object();
    if (json.isEmpty())
        return;
    ImageCaption style = fromJson(json);
    style.x = x;
    style.y = y;
    // Without an alignment of its own the caption keeps the default place.
    if (style.hAlign == NoHorizontalAlign)
        style.hAlign = hAlign;
    if (style.vAlign == NoVerticalAlign)
        style.vAlign = vAlign;
    copyStyleFrom(style);
}
