// One conversion frame of the main window: a binary and a text file name, each with its
// chooser button, and the two arrows that convert one into the other. The channel and the
// transponder frames are two of these.
#pragma once

#include <QGroupBox>
#include <functional>
#include <string>

#include "common/files.h"
#include "common/frontend.h"
#include "common/list_files.h"
#include "common/list_kind.h"

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QToolButton;

namespace chanforge::ui {

class SettingsStore;

// The file chooser of the four name boxes: proposes def, falls back to def2 when the
// dialog rejects the proposal; empty on cancel.
QString SelectFile(common::Frontend& frontend, const QString& def, const QString& def2);

// The frame's own check box: the channel frame's "UTF-8 Text", the transponder frame's
// "Declink Comp".
enum class PanelBox { kUtf8Text, kDecLink };

struct ConversionPanelLayout {
  // The list; its block name ("TCS", "TPT") makes captions, fallback names and settings keys.
  common::ListKind list;
  const char* frame_name;     // "Frame2"
  QString caption;            // "ChannelList (TCS) Convert"
  const char* binary_button;  // "TCSBin"
  const char* binary_box;     // "TxtTCS"
  const char* text_button;    // "CmdTCSTxt"
  const char* text_box;       // "TxtTCSTxt"
  const char* to_text;        // "CmdTCS2Txt"
  const char* to_binary;      // "CmdTxt2TCS"
  int text_button_height;     // twips; the two frames differ by 15
  PanelBox box;
};

// A conversion with the frame's choices.
using Conversion =
    std::function<common::Converted(common::Frontend&, const std::string& binary,
                                    const std::string& text, const common::TextOptions& options)>;

class ConversionPanel : public QGroupBox {
  Q_OBJECT

 public:
  ConversionPanel(const ConversionPanelLayout& layout, common::Frontend& frontend,
                  Conversion to_text, Conversion to_binary, QWidget* parent);

  QLineEdit* binary_edit() const { return binary_edit_; }
  QLineEdit* text_edit() const { return text_edit_; }
  bool DecLink() const;
  // What the frame's boxes choose for the text file.
  common::TextOptions options() const;

  // Reads and writes this frame's values: the two names and, where it has one, the
  // DecLink box. An empty stored name keeps the default.
  void ApplySettings(const SettingsStore& settings);
  void StoreSettings(SettingsStore& settings) const;

 signals:
  // After a conversion ran, whatever its outcome.
  void converted();
  // After a conversion that succeeded: what it did, for the status line.
  void done(const QString& text);

 private:
  void ChooseInto(QLineEdit* box, const QString& fallback);
  void NameControls(QAbstractButton* binary_button, QAbstractButton* down, QAbstractButton* up,
                    QAbstractButton* text_button);
  void Run(const Conversion& conversion, const QLineEdit* made);

  QString BlockName() const { return common::BlockNameOf(layout_.list); }

  ConversionPanelLayout layout_;
  common::Frontend& frontend_;
  QLineEdit* binary_edit_;
  QLineEdit* text_edit_;
  QCheckBox* dec_link_box_ = nullptr;
  QCheckBox* utf8_box_ = nullptr;
};

}  // namespace chanforge::ui
