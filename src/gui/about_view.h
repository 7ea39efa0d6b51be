#pragma once

// The view of the "Product Information" window.

#include <QDialog>

#include "about/frm_version.h"

namespace pfedit::gui {

class AboutView final : public QDialog {
  Q_OBJECT

 public:
  AboutView(about::frmVersion& logic, QWidget* parent = nullptr);

 private:
  about::frmVersion& logic_;
};

}  // namespace pfedit::gui
