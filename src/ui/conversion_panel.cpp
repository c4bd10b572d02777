#include "ui/conversion_panel.h"

#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

#include "channels/channel_conversions.h"
#include "transponders/transponder_conversions.h"
#include "ui/qt_frontend.h"
#include "ui/settings_store.h"
#include "ui/widgets.h"
#include "views/done_texts.h"

namespace chanforge::ui {

QString SelectFile(common::Frontend& frontend, const QString& def, const QString& def2) {
  const std::string name = common::ChooseFileWithFallback(
      frontend,
      {common::FileDialogKind::kSave, ConversionPanel::tr("Select FileName").toStdString(),
       def.toStdString(), common::kAllFilesFilter},
      def2.toStdString());
  return QString::fromUtf8(name.c_str());
}

ConversionPanel::ConversionPanel(const ConversionPanelLayout& layout, common::Frontend& frontend,
                                 Conversion to_text, Conversion to_binary, QWidget* parent)
    : QGroupBox(layout.caption, parent), layout_(layout), frontend_(frontend) {
  setObjectName(layout.frame_name);
  const Twips tw(this);
  const auto box = [&](const char* name, const QString& text, QRect geometry) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
  };
  const auto arrow = [&](const char* name, Qt::ArrowType type, const QString& tip, QRect geometry) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setToolTip(tip);
    button->setGeometry(geometry);
    return button;
  };
  const QString kind = common::BlockNameOf(layout.list);
  auto* binary_button = IconButton(this, layout.binary_button, tr("%1 Bin").arg(kind),
                                   QStyle::SP_DirOpenIcon, tw(80, 240, 735, 480));
  binary_edit_ = box(layout.binary_box, kind, tw(840, 360, 2895, 285));
  if (layout.box == PanelBox::kDecLink) {
    dec_link_box_ = new WrappingCheckBox(tr("Declink Comp"), this);
    dec_link_box_->setObjectName("ChkDCComp");
    dec_link_box_->setGeometry(tw(120, 795, 1020, 495));
  }
  if (layout.box == PanelBox::kUtf8Text) {
    utf8_box_ = new WrappingCheckBox(tr("UTF-8 Text"), this);
    utf8_box_->setObjectName("ChkUtf8");
    utf8_box_->setToolTip(
        tr("Write the text file as UTF-8, for an editor that reads it so. Either kind reads back "
           "to the same list."));
    utf8_box_->setGeometry(tw(120, 795, 1020, 495));
  }
  auto* down =
      arrow(layout.to_text, Qt::DownArrow,
            tr("Convert the %1 binary file to a text file").arg(kind), tw(1200, 840, 375, 375));
  auto* up =
      arrow(layout.to_binary, Qt::UpArrow,
            tr("Convert the %1 text file to a binary file").arg(kind), tw(2040, 840, 375, 375));
  auto* text_button = IconButton(this, layout.text_button, tr("%1 Txt").arg(kind),
                                 QStyle::SP_FileIcon, tw(80, 1320, 735, layout.text_button_height));
  text_edit_ = box(layout.text_box, kind + ".txt", tw(840, 1440, 2895, 285));

  NameControls(binary_button, down, up, text_button);
  connect(binary_button, &QAbstractButton::clicked, this,
          [this] { ChooseInto(binary_edit_, BlockName()); });
  connect(text_button, &QAbstractButton::clicked, this,
          [this] { ChooseInto(text_edit_, BlockName() + ".txt"); });
  connect(down, &QAbstractButton::clicked, this, [this, to_text] { Run(to_text, text_edit_); });
  connect(up, &QAbstractButton::clicked, this, [this, to_binary] { Run(to_binary, binary_edit_); });
}

// Names of their own for screen readers: the frame's caption alone would name all six.
void ConversionPanel::NameControls(QAbstractButton* binary_button, QAbstractButton* down,
                                   QAbstractButton* up, QAbstractButton* text_button) {
  const bool channels = layout_.list == common::ListKind::kChannels;
  binary_button->setAccessibleName(channels ? tr("Choose the channel list binary file")
                                            : tr("Choose the transponder list binary file"));
  binary_edit_->setAccessibleName(channels ? tr("Channel list binary file")
                                           : tr("Transponder list binary file"));
  down->setAccessibleName(channels ? tr("Convert channel list to text")
                                   : tr("Convert transponder list to text"));
  up->setAccessibleName(channels ? tr("Convert text to channel list")
                                 : tr("Convert text to transponder list"));
  text_button->setAccessibleName(channels ? tr("Choose the channel list text file")
                                          : tr("Choose the transponder list text file"));
  text_edit_->setAccessibleName(channels ? tr("Channel list text file")
                                         : tr("Transponder list text file"));
}

// The file a conversion makes is in `made`: the text box or the binary one.
void ConversionPanel::Run(const Conversion& conversion, const QLineEdit* made) {
  const std::string binary = binary_edit_->text().toStdString();
  const std::string text = text_edit_->text().toStdString();
  const common::Converted result = conversion(frontend_, binary, text, options());
  emit converted();
  if (result == common::Outcome::kDone) {
    emit done(MessageText(views::ConversionDoneText(
        layout_.list, result.records, made == text_edit_ ? text : binary, result.read_as)));
  }
}

bool ConversionPanel::DecLink() const { return dec_link_box_ && dec_link_box_->isChecked(); }

common::TextOptions ConversionPanel::options() const {
  common::TextOptions options;
  options.layout = DecLink() ? common::TptLayout::kDecLink : common::TptLayout::kFull;
  if (utf8_box_ && utf8_box_->isChecked()) options.encoding = common::TextEncoding::kUtf8;
  return options;
}

void ConversionPanel::ChooseInto(QLineEdit* box, const QString& fallback) {
  const QString name = SelectFile(frontend_, box->text(), fallback);
  if (name.isEmpty()) return;
  box->setText(name);
  box->setCursorPosition(static_cast<int>(name.size()));
}

void ConversionPanel::ApplySettings(const SettingsStore& settings) {
  QStringList texts;
  settings.GetSettingStrings(
      kAppKey, {BlockName() + "Bin", BlockName() + "Txt", "DecLinkComp", BlockName() + "TxtUtf8"},
      texts);
  for (const auto& [text, box] :
       {std::pair{texts[2], dec_link_box_}, std::pair{texts[3], utf8_box_}}) {
    if (box && (text == "0" || text == "1")) box->setChecked(text == "1");
  }
  for (const auto& [text, edit] :
       {std::pair{texts[0], binary_edit_}, std::pair{texts[1], text_edit_}}) {
    if (!text.isEmpty()) {
      edit->setText(text);
      edit->setCursorPosition(static_cast<int>(text.size()));
    }
  }
}

void ConversionPanel::StoreSettings(SettingsStore& settings) const {
  if (dec_link_box_) settings.SaveSettingString(kAppKey, "DecLinkComp", DecLink() ? "1" : "0");
  if (utf8_box_) {
    settings.SaveSettingString(kAppKey, BlockName() + "TxtUtf8",
                               utf8_box_->isChecked() ? "1" : "0");
  }
  settings.SaveSettingString(kAppKey, BlockName() + "Bin", binary_edit_->text());
  settings.SaveSettingString(kAppKey, BlockName() + "Txt", text_edit_->text());
}

}  // namespace chanforge::ui
