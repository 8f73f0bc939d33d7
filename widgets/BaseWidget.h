#pragma once

#include <QWidget>

#include <functional>

class QBoxLayout;

// A panel with a content widget named "widget" (so the style sheet can paint it) and an
// inner box layout; layout type 1 is horizontal, anything else vertical.
class BaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BaseWidget(QWidget* parent = nullptr, int layoutType = 2);

    QWidget* contentWidget() const { return m_contentWidget; }
    QBoxLayout* innerLayout() const { return m_innerLayout; }
    int layoutType() const { return m_layoutType; }

public slots:
    virtual void changeLang(int type);

signals:
    void buttonClicked(int type);
    void buttonClicked();

protected:
    virtual void initBaseLayout();
    virtual void initUI() {}
    // Stores the callable that sets every translated text and runs it once right away.
    void setLanguageCallback(std::function<void()> callback);

private:
    int m_layoutType;
    QWidget* m_contentWidget = nullptr;
    QBoxLayout* m_innerLayout = nullptr;
    std::function<void()> m_languageCallback;
};
