#pragma once

#include <QDialog>

class QBoxLayout;

// A dialog titled "Pictorb" without minimize, maximize or help buttons that frees itself
// when closed. Content goes into the inner layout of the content widget named "widget".
class BaseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BaseDialog(QWidget* parent = nullptr, int layoutType = 2);

    QWidget* contentWidget() const { return m_contentWidget; }
    QBoxLayout* innerLayout() const { return m_innerLayout; }

    // Sets the dialog's own style sheet from a file, its pixel lengths scaled.
    void loadStyleSheet(const QString& path);

signals:
    void buttonClicked(int type);
    void closeDialogSignal();

protected:
    virtual void initUI() {}
    virtual void initBaseLayout();
    void closeEvent(QCloseEvent* event) override;

private:
    int m_layoutType;
    QBoxLayout* m_outerLayout = nullptr;
    QWidget* m_contentWidget = nullptr;
    QBoxLayout* m_innerLayout = nullptr;
};
