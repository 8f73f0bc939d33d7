#pragma once

#include "gui/widgets/BaseDialog.h"

// Logo, product name, running version, a word about the maker, links to the maker's site
// and product page (left out when the site address is switched off) and the rights notice.
class AboutDialog : public BaseDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void initUI() override;
};
