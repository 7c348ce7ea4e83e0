#include "alignment/adj_view.h"

namespace adj {

namespace {

constexpr std::array<ListSpec, kListKinds> kListSpecs{{
    {"Combo_dev_voice", 1, 128, kRowDev, 0, false},
    {"Combo_dev_ctcss", 1, 64, kRowDev, 1, false},
    {"Combo_dev_dcs", 1, 64, kRowDev, 2, false},
    {"Combo_dev_tone", 1, 128, kRowDev, 3, true},
    {"Combo_RX_VH", 2, 16, kRowDev, 4, false},
    {"Combo_RX_VL", 2, 16, kRowDev, 4, false},
    {"Combo_OSC_Add", 1, 21, kRowDev, 6, false},
    {"Combo_OSC_Dec", 1, 21, kRowDev, 7, false},
    {"Combo_vox", 11, 128, kRowVox, 0, false},
    {"Combo_batt_comp", 6, 256, kRowDev, 10, false},
}};

const std::array<BoxSpec, kBoxKinds> kBoxSpecs{{
    {"Text1", 16, 255, &kRangeMsg255},
    {"Text2", 16, 255, &kRangeMsg255},
    {"Text_SQ_VHF", 10, 255, &kRangeMsg255},
    {"Text_Sq_Offset_VHF", 16, 20, &kRangeMsg20},
    {"Text_SQ_UHF", 10, 255, &kRangeMsg255},
    {"Text_Sq_Offset_UHF", 16, 20, &kRangeMsg20},
}};

constexpr std::array<LineSpec, kLines> kLineSpecs{{
    {"Text_PON_MSG_U", kRowPonMsg, 0, false, false},
    {"Text_PON_MSG_D", kRowPonMsg, 7, false, false},
    {"Text_info_0", kRowInfo, 0, false, true},
    {"Text_info_1", kRowInfo, 7, true, false},
}};

Cell& At(Table& t, int r, int c) { return t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
Cell At(const Table& t, int r, int c) { return t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
QString Chinese(const Text& t) { return QString::fromUtf8(t.chinese); }
bool Band220(const Editor& e) { return e.Band220Selected != 0; }

void PutList(Editor& e, Effects& fx, List l, int member, int value);
void PutCheckBand(Editor& e, Effects& fx, bool checked);

// A selection in a list: what its click handler writes.
void ListClick(Editor& e, Effects& fx, List l, int m) {
  const ListSpec& s = Spec(l);
  const int idx = e.view.index(l, m);
  Cell& cell = At(e.table, s.row, s.col + m);
  switch (l) {
    case List::Combo_RX_VH: cell = static_cast<Cell>(VolWithCoarse(cell & 0xFF, idx)); break;
    case List::Combo_RX_VL: cell = static_cast<Cell>(VolWithFine(cell & 0xFF, idx)); break;
    case List::Combo_OSC_Add:
      cell = static_cast<Cell>(idx);
      if (idx > 0) PutList(e, fx, List::Combo_OSC_Dec, 0, 0);  // at most one of the two is non-zero
      break;
    case List::Combo_OSC_Dec:
      cell = static_cast<Cell>(idx);
      if (idx > 0) PutList(e, fx, List::Combo_OSC_Add, 0, 0);
      break;
    default: cell = static_cast<Cell>(idx); break;
  }
}

void PutList(Editor& e, Effects& fx, List l, int member, int value) {
  int& shown = e.view.index(l, member);
  if (value < 0 || value >= e.view.listItems[static_cast<std::size_t>(l)]) {
    shown = kNoItem;  // no such item: nothing shown, nothing stored
    return;
  }
  if (shown == value) return;
  shown = value;
  ListClick(e, fx, l, member);
}

bool BoxVisible(const View& v, Box b, int member) {
  switch (b) {
    case Box::Text1: return v.page <= 2;
    case Box::Text2: return v.page <= 2 && v.pointUhfVisible[static_cast<std::size_t>(member)];
    default: return v.page == 3;
  }
}

void PutBox(Editor& e, Effects& fx, Box b, int m, const QString& text);

// A change of a number box's text.
void BoxChange(Editor& e, Effects& fx, Box b, int m) {
  const int row = BoxRow(b, e.view.page);
  if (row < 0) return;
  const BoxSpec& s = Spec(b);
  const ValueResult r = CheckValue(e.view.text(b, m), s.maximum);
  if (r.check == ValueCheck::Ok) {
    At(e.table, row, m) = static_cast<Cell>(r.value);
    return;
  }
  fx.notices.push_back({*s.message, PromptIcon::Information});
  // A hidden box (the squelch boxes, filled on pages 4 and 5 too) cannot take the focus.
  if (BoxVisible(e.view, b, m)) fx.focus = Control{s.name, m};
  const Cell def = At(e.defaults, row, m);
  PutBox(e, fx, b, m, QString::number(def));
  At(e.table, row, m) = def;
}

void PutBox(Editor& e, Effects& fx, Box b, int m, const QString& text) {
  QString& shown = e.view.text(b, m);
  if (shown == text) return;
  shown = text;
  BoxChange(e, fx, b, m);
}

void PutLine(Editor& e, Line l, const QString& text) {
  QString& shown = e.view.text(l);
  if (shown == text) return;
  shown = text;
  const LineSpec& s = Spec(l);
  const LineCells cells = LineStore(text);
  for (int k = 0; k < kLineCells; ++k) At(e.table, s.row, s.col + k) = cells[static_cast<std::size_t>(k)];
}

void CheckBandClick(Editor& e, Effects& fx) {
  const bool b = e.view.checkBand;
  e.view.checkBandCaption = Chinese(CheckBandCaption(b));
  e.Band220Selected = b ? 1 : 0;
  const Bands bands = Adj_bands(b);
  e.view.bands.low[1] = bands.low[1];
  e.view.bands.high[1] = bands.high[1];
  const auto cells = SecondBandLimitCells(b);
  for (int k = 0; k < 4; ++k) At(e.table, kRowLimits, 6 + k) = static_cast<Cell>(cells[static_cast<std::size_t>(k)]);
  e.view.labelF1 = Chinese(LabelF1Caption(b));
  Adj_Page_Init(e, fx);
  Adj_Show(e, fx);
}

void PutCheckBand(Editor& e, Effects& fx, bool checked) {
  if (e.view.checkBand == checked) return;
  e.view.checkBand = checked;
  CheckBandClick(e, fx);
}

// Stores the four limit boxes into row 12. A box whose value cannot be
// stored (1000 or more) keeps its cells; the others are written as the value
// that was checked, and the box shows it as three digits.
void StoreLimits(Editor& e) {
  for (int b = 0; b < 2; ++b) {
    for (int upper = 0; upper < 2; ++upper) {
      QString& box = upper ? e.view.freqH[static_cast<std::size_t>(b)] : e.view.freqL[static_cast<std::size_t>(b)];
      const int v = LimitValue(box);
      if (v > kLimitStorable) continue;
      box = LimitDigits(v);
      At(e.table, kRowLimits, 5 * b + 1 + 2 * upper) = static_cast<Cell>(LimitHundreds(v));
      At(e.table, kRowLimits, 5 * b + 2 + 2 * upper) = static_cast<Cell>(LimitBcd(v));
    }
  }
}

const Message& FaultMessage(LimitFault f) {
  switch (f) {
    case LimitFault::LowerBelowBand: return kLowerBelowBandMsg;
    case LimitFault::LowerAboveUpper: return kLowerAboveUpperMsg;
    case LimitFault::LowerTooLarge: return kLowerTooLargeMsg;
    case LimitFault::UpperAboveBand: return kUpperAboveBandMsg;
    case LimitFault::UpperBelowLower:
    case LimitFault::None: break;
  }
  return kUpperBelowLowerMsg;
}

}  // namespace

const ListSpec& Spec(List l) { return kListSpecs[static_cast<std::size_t>(l)]; }
const BoxSpec& Spec(Box b) { return kBoxSpecs[static_cast<std::size_t>(b)]; }
const LineSpec& Spec(Line l) { return kLineSpecs[static_cast<std::size_t>(l)]; }

int BoxRow(Box b, int page) {
  switch (b) {
    case Box::Text1: return page >= 0 && page <= 2 ? 2 * page : -1;
    case Box::Text2: return page >= 0 && page <= 2 ? 2 * page + 1 : -1;
    case Box::Text_SQ_VHF: return kRowSqVhf;
    case Box::Text_Sq_Offset_VHF: return kRowSqOffsetVhf;
    case Box::Text_SQ_UHF: return kRowSqUhf;
    case Box::Text_Sq_Offset_UHF: return kRowSqOffsetUhf;
  }
  return -1;
}

View::View() {
  for (auto& l : list) l.fill(kNoItem);
  pointUhfVisible.fill(true);
}

void Adj_Page_Init(Editor& e, Effects& fx) {
  View& v = e.view;
  v.frameB0[0] = Chinese(kFirstBandCaption);
  PutCheckBand(e, fx, Band220(e));
  const bool b = Band220(e);
  v.frameB0[1] = v.frameSqlUhf = Chinese(SecondBandCaption(b));
  for (int i = 0; i < 16; ++i) {
    const auto k = static_cast<std::size_t>(i);
    v.label1[k] = FirstPowerPointLabel(v.bands.low[0], i);
    v.labelUhf[k] = SecondPowerPointLabel(v.bands.low[1], i);
    v.pointUhfVisible[k] = SecondPointVisible(b, i);
    v.labelSqOffsetVhf[k] = SqOffsetLabelVhf(i);
    v.labelSqOffsetUhf[k] = SqOffsetLabelUhf(b, i);
  }
  for (int i = 0; i < 10; ++i)
    v.labelSqlVhf[static_cast<std::size_t>(i)] = v.labelSqlUhf[static_cast<std::size_t>(i)] = SqLevelLabel(i);
  for (int i = 0; i < 11; ++i) v.labelVox[static_cast<std::size_t>(i)] = VoxLevelLabel(i);
  // Every list is emptied and filled again, which leaves it showing no item.
  for (int l = 0; l < kListKinds; ++l) {
    v.listItems[static_cast<std::size_t>(l)] = kListSpecs[static_cast<std::size_t>(l)].items;
    v.list[static_cast<std::size_t>(l)].fill(kNoItem);
  }
}

void Adj_Show(Editor& e, Effects& fx) {
  const int p = e.view.page;
  if (p >= 0 && p <= 2) {
    for (int i = 0; i < 16; ++i) {
      PutBox(e, fx, Box::Text1, i, QString::number(At(e.table, 2 * p, i)));
      PutBox(e, fx, Box::Text2, i, QString::number(At(e.table, 2 * p + 1, i)));
    }
    return;
  }
  for (int i = 0; i < 10; ++i) {
    PutBox(e, fx, Box::Text_SQ_VHF, i, QString::number(At(e.table, kRowSqVhf, i)));
    PutBox(e, fx, Box::Text_SQ_UHF, i, QString::number(At(e.table, kRowSqUhf, i)));
  }
  for (int i = 0; i < 16; ++i) {
    PutBox(e, fx, Box::Text_Sq_Offset_VHF, i, QString::number(At(e.table, kRowSqOffsetVhf, i)));
    PutBox(e, fx, Box::Text_Sq_Offset_UHF, i, QString::number(At(e.table, kRowSqOffsetUhf, i)));
  }
  if (p == 4) {
    const auto dev = e.table[kRowDev];  // the lists are set from a copy of the row
    PutList(e, fx, List::Combo_dev_voice, 0, dev[0]);
    PutList(e, fx, List::Combo_dev_ctcss, 0, dev[1]);
    PutList(e, fx, List::Combo_dev_dcs, 0, dev[2]);
    PutList(e, fx, List::Combo_dev_tone, 0, dev[3]);
    for (int i = 0; i < 2; ++i) {
      const int cell = dev[4 + static_cast<std::size_t>(i)];
      PutList(e, fx, List::Combo_RX_VH, i, VolCoarse(cell));
      PutList(e, fx, List::Combo_RX_VL, i, VolFine(cell));
    }
    PutList(e, fx, List::Combo_OSC_Add, 0, dev[6]);
    PutList(e, fx, List::Combo_OSC_Dec, 0, dev[7]);
    const auto vox = e.table[kRowVox];
    for (int i = 0; i < 11; ++i) PutList(e, fx, List::Combo_vox, i, vox[static_cast<std::size_t>(i)]);
  } else if (p == 5) {
    const auto dev = e.table[kRowDev];
    for (int i = 0; i < 6; ++i) PutList(e, fx, List::Combo_batt_comp, i, dev[10 + static_cast<std::size_t>(i)]);
    const auto vox = e.table[kRowVox];
    for (int i = 0; i < 11; ++i) PutList(e, fx, List::Combo_vox, i, vox[static_cast<std::size_t>(i)]);
    for (int b = 0; b < 2; ++b) {
      const auto k = static_cast<std::size_t>(b);
      e.view.freqL[k] = LimitText(At(e.table, kRowLimits, 5 * b + 1), At(e.table, kRowLimits, 5 * b + 2));
      e.view.freqH[k] = LimitText(At(e.table, kRowLimits, 5 * b + 3), At(e.table, kRowLimits, 5 * b + 4));
      e.view.checkTx[k] = At(e.table, kRowLimits, 5 * b) > 0;
    }
    // The text lines show their cells and store nothing: their show is not
    // the store's inverse (inner spaces and bytes outside the radio's set
    // do not come back as they were, and the store centres the text), so a
    // show that stored would change a line nobody touched. Only typing stores.
    for (int l = 0; l < kLines; ++l) {
      const LineSpec& s = kLineSpecs[static_cast<std::size_t>(l)];
      e.view.text(static_cast<Line>(l)) =
          LineShow(&e.table[static_cast<std::size_t>(s.row)][static_cast<std::size_t>(s.col)], s.rawCodes);
    }
  }
}

Effects Adj_Show(Editor& e) {
  Effects fx;
  Adj_Show(e, fx);
  return fx;
}

Effects Adj_Form_Load(Editor& e) {
  Effects fx;
  e.view.page = 0;
  e.view.bands = Adj_bands(Band220(e));
  Adj_Page_Init(e, fx);
  e.view.page = 0;
  e.view.shown = Group::Frame_Frame;
  Adj_Show(e, fx);
  return fx;
}

std::optional<int> PageOfKey(const QString& key) {
  for (int p = 0; p < kPages; ++p)
    if (key == QLatin1String(kPageSpecs[static_cast<std::size_t>(p)].key)) return p;
  return std::nullopt;
}

Effects TabStrip1_Click(Editor& e, int page) {
  Effects fx;
  if (page < 0 || page >= kPages) return fx;
  const PageSpec& s = kPageSpecs[static_cast<std::size_t>(page)];
  e.view.page = page;
  e.view.windowCaption = Chinese(s.window);
  if (s.group == Group::Frame_Frame) e.view.frameFrameCaption = Chinese(s.groupCaption);
  e.view.shown = s.group;
  Adj_Show(e, fx);
  return fx;
}

Effects SelectItem(Editor& e, List l, int member, int index) {
  Effects fx;
  PutList(e, fx, l, member, index);
  return fx;
}

Effects SetBoxText(Editor& e, Box b, int member, const QString& text) {
  Effects fx;
  PutBox(e, fx, b, member, text);
  return fx;
}

Effects SetLineText(Editor& e, Line l, const QString& text) {
  PutLine(e, l, text);
  return {};
}

Effects SetCheckBand(Editor& e, bool checked) {
  Effects fx;
  PutCheckBand(e, fx, checked);
  return fx;
}

Effects LineLostFocus(Editor& e, Line) { return Adj_Show(e); }

Effects Text_Freq_L_LostFocus(Editor& e, int b) {
  Effects fx;
  const auto k = static_cast<std::size_t>(b);
  const LimitFault f = CheckLowerLimit(LimitValue(e.view.freqL[k]), LimitValue(e.view.freqH[k]), e.view.bands.low[k]);
  if (f != LimitFault::None) {
    fx.notices.push_back({FaultMessage(f), PromptIcon::Exclamation});
    e.view.freqL[k] = QString::number(e.view.bands.low[k]);
    fx.focus = Control{"Text_Freq_L", b};
    return fx;
  }
  StoreLimits(e);
  return fx;
}

Effects Text_Freq_H_LostFocus(Editor& e, int b) {
  Effects fx;
  const auto k = static_cast<std::size_t>(b);
  const LimitFault f = CheckUpperLimit(LimitValue(e.view.freqH[k]), LimitValue(e.view.freqL[k]), e.view.bands.high[k]);
  if (f != LimitFault::None) {
    fx.notices.push_back({FaultMessage(f), PromptIcon::Exclamation});
    e.view.freqH[k] = QString::number(e.view.bands.high[k]);
    fx.focus = Control{"Text_Freq_H", b};
    return fx;
  }
  StoreLimits(e);
  return fx;
}

Effects ApplyLoadedTable(Editor& e, bool bandChecked, const FileRows& rows) {
  Effects fx;
  PutCheckBand(e, fx, bandChecked);
  for (int r = 0; r < kFileRows; ++r)
    for (int c = 0; c < kRowCols; ++c)
      At(e.table, r, c) = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
  Adj_Show(e, fx);
  fx.notices.push_back({kFileLoadedMsg, PromptIcon::Exclamation});
  return fx;
}

}  // namespace adj
