#pragma once

#include <QWidget>

#include <functional>

class QBoxLayout;

// The base of the application's panels and buttons: a box layout (layout type 1 horizontal,
// anything else vertical) and a language hook that re-sets every translated text. A panel
// puts its layout on a content widget named "widget" so the style sheet can paint it; a
// button is plain and paints its own styled background.
class BaseWidget : public QWidget
{
    Q_OBJECT

public:
    enum Frame
    {
        WithContentWidget,
        Plain
    };

    explicit BaseWidget(QWidget* parent = nullptr, int layoutType = 2,
                        Frame frame = WithContentWidget);

    // The widget holding the inner layout: the content widget, or the widget itself.
    QWidget* contentWidget() const { return m_contentWidget; }
    QBoxLayout* innerLayout() const { return m_innerLayout; }
    int layoutType() const { return m_layoutType; }

public slots:
    virtual void changeLang(int type);

signals:
    void buttonClicked(int type);
    void buttonClicked();

protected:
    virtual void initUI() {}
    // Stores the callable that sets every translated text and runs it once right away.
    void setLanguageCallback(std::function<void()> callback);

private:
    int m_layoutType;
    QWidget* m_contentWidget = nullptr;
    QBoxLayout* m_innerLayout = nullptr;
    std::function<void()> m_languageCallback;
};
