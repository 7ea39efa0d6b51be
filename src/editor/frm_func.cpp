#include "editor/frm_func.h"

#include "core/ascii.h"
#include "core/help.h"
#include "core/messages.h"
#include "core/model_codes.h"
#include "core/text_services.h"

namespace pfedit::editor {

namespace {

constexpr MessageId kFullCaptions = msg::kFuncCodeFirst;               // 204 to 219
constexpr MessageId kShortCaptions = msg::kFuncCodeFirst + kFuncBits;  // 220 to 235
constexpr int kNetworkBit = 10;

// Models of two families call their bit 10 "Network" in either layout.
bool HasNetworkBit(uint32_t model_code1) {
  const uint32_t family = model_code1 & 0xFFF000F0u;
  return family == 0x05700050u || family == 0x05700060u;
}

}  // namespace

int16_t FuncLayoutOf(const std::string& model_code1) {
  if (model_code1.size() < 4 || !IsHexDigit(model_code1[2]) || !IsHexDigit(model_code1[3])) {
    return 0;
  }
  return static_cast<int16_t>(HexDigitValue(model_code1[2]) * 16 + HexDigitValue(model_code1[3]));
}

bool IsFullFuncLayout(int16_t layout) {
  return layout == 1 || layout == 2;
}

std::string FuncCodeText(uint32_t code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i, code >>= 4) text[static_cast<std::size_t>(i)] = kDigits[code & 0xF];
  return text;
}

uint32_t ParseFuncCode(const std::string& text) {
  uint32_t code = 0;
  for (const char c : Trim(text)) {
    if (!IsHexDigit(c)) break;
    code = code * 16 + static_cast<uint32_t>(HexDigitValue(c));
  }
  return code;
}

frmFunc::frmFunc(const EditorState& state, Desktop& desktop) : state_(state), desktop_(desktop) {}

void frmFunc::Form_Load(const std::string& pr_text, uint32_t code, int16_t layout,
                        uint32_t model_code1) {
  Caption = GetMessageText(msg::kFuncCodeCaption);
  lblPr.Caption = pr_text.empty() ? std::string() : GetMessageText(msg::kFuncCodePr) + pr_text;
  lblTitle.Caption = GetMessageText(msg::kFuncCodeLabel);
  fraFunc.Caption = GetMessageText(msg::kFuncCodeFunction);
  CmdOK.Caption = GetMessageText(msg::kOk);
  CmdCancel.Caption = GetMessageText(msg::kCancel);
  CmdHelp.Caption = GetMessageText(msg::kHelp);

  const bool full = IsFullFuncLayout(layout);
  const MessageId first = full ? kFullCaptions : kShortCaptions;
  for (int bit = 0; bit < kFuncBits; ++bit) {
    CheckBoxState& box = chkFunc[static_cast<std::size_t>(bit)];
    box.Caption = GetMessageText(first + bit);
    box.Enabled = full || bit < kShortLayoutBits;
    box.Visible = box.Enabled;
    box.Value = box.Enabled && (code & (1u << bit)) != 0;
  }
  if (HasNetworkBit(model_code1)) {
    chkFunc[kNetworkBit].Caption = GetMessageText(msg::kFuncCodeNetwork);
  }
  SetTabIndex();
  lblFuncCode.Caption = FuncCodeText(CodeFromBoxes());
}

void frmFunc::SetTabIndex() {
  TabOrder.clear();
  for (int bit = 0; bit < kFuncBits; ++bit) TabOrder.push_back("chkFunc_" + std::to_string(bit));
  TabOrder.insert(TabOrder.end(), {"CmdOK", "CmdCancel", "CmdHelp"});
}

uint32_t frmFunc::CodeFromBoxes() const {
  uint32_t code = 0;
  for (int bit = 0; bit < kFuncBits; ++bit) {
    const CheckBoxState& box = chkFunc[static_cast<std::size_t>(bit)];
    if (box.Enabled && box.Value) code |= 1u << bit;
  }
  return code;
}

void frmFunc::chkFunc_Click(int /*index*/) {
  lblFuncCode.Caption = FuncCodeText(CodeFromBoxes());
}

void frmFunc::CmdOK_Click() {
  code_ = CodeFromBoxes();
  Close(kResultOk);
}

void frmFunc::CmdHelp_Click() {
  ShowHelp(state_, desktop_, help_topic::kFuncCode);
}

bool ShowFuncCode(const EditorState& state, Desktop& desktop, const std::string& pr_text,
                  uint32_t& code, int16_t layout, uint32_t model_code1) {
  frmFunc form(state, desktop);
  form.Form_Load(pr_text, code, layout, model_code1);
  desktop.RunModal(form);
  if (!form.Accepted()) return false;
  code = form.Code();
  return true;
}

}  // namespace pfedit::editor
