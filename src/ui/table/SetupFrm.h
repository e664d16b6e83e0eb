// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>

#include "ui/kit/FixedLayout.h"

namespace quven {

class TableScreen;

// The data-table screen, "QUVEN-01 DATA READ WRITE control": the table with its status line,
// the notes beside it, the file area, the common settings and the button row, each a panel
// bound to the table screen's logic. Shown modeless beside the control screen, in its own
// colours and fonts whatever the desktop's theme; on a screen too small for it, it scrolls.
class SetupFrm : public QWidget {
    Q_OBJECT
  public:
    // The client area, in twips.
    static constexpr int kClientWidth = 14535;
    static constexpr int kClientHeight = 10260;

    explicit SetupFrm(TableScreen& screen, QWidget* parent = nullptr);

    // Twips to pixels at the resolution the window was laid out for.
    const kit::Twips& twips() const { return twips_; }

  Q_SIGNALS:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    TableScreen& screen_;
    kit::Twips twips_;
};

}  // namespace quven
