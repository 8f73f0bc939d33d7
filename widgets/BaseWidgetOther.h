#pragma once

#include <QWidget>

#include <functional>

class QBoxLayout;

// Like BaseWidget but without a content widget: the widget paints its own styled
// background and carries the box layout directly.
class BaseWidgetOther : public QWidget
{
    Q_OBJECT

public:
    explicit BaseWidgetOther(QWidget* parent = nullptr, int layoutType = 2);

    QBoxLayout* baseLayout() const { return m_layout; }
    int layoutType() const { return m_layoutType; }

public slots:
    virtual void changeLang(int type);

signals:
    void buttonClicked(int type);
    void buttonClicked();

protected:
    virtual void initBaseLayout();
    virtual void initUI() {}
    void setLanguageCallback(std::function<void()> callback);

private:
    int m_layoutType;
    QBoxLayout* m_layout = nullptr;
    std::function<void()> m_languageCallback;
};
