// TStatusBar: a bar at the bottom of its parent (19 pixels high) with text panels of given
// widths (the last one takes the rest of the bar), or one simple panel. With AutoHint the long
// hint of the control under the mouse (Application->Hint) shows in the first panel, or as the
// simple text when the bar is simple or has no panels.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Control.h"

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TApplication;
class TStatusBar;

class TStatusPanel {
 public:
  explicit TStatusPanel(TStatusBar& bar) : bar_(bar) {}

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  int Index() const;

 private:
  void Changed();

  TStatusBar& bar_;
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
};

class TStatusPanels {
 public:
  explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
  int Count() const { return static_cast<int>(panels_.size()); }
  TStatusPanel& Items(int index) const;
  TStatusPanel& operator[](int index) const { return Items(index); }
  TStatusPanel& Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TStatusPanel* panel) const;

 private:
  TStatusBar& bar_;
  std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

using TDrawPanelEvent =
    std::function<void(TComponent* statusBar, TStatusPanel* panel, const TRect& rect)>;

class TStatusBar : public TCustomControl {
 public:
  explicit TStatusBar(TComponent* owner = nullptr);
  ~TStatusBar() override;
  std::string ClassName() const override { return "TStatusBar"; }

  TStatusPanels& Panels() { return panels_; }
  const TStatusPanels& Panels() const { return panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool value) { autoHint_ = value; }
  // A size grip at the right end, shown when the bar sits in a sizeable window.
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

  // The rectangle of panel index (or of the simple panel for -1), bevel included.
  TRect PanelRect(int index) const;

  // With AutoHint: replaces showing the hint in the bar.
  TNotifyEvent OnHint;
  TDrawPanelEvent OnDrawPanel;

  // Internal: a panel changed.
  void PanelsChanged();

 protected:
  void Paint() override;
  // Shows an application hint as AutoHint does.
  virtual void ShowAutoHint(const std::string& hint);

 private:
  bool GripShown() const;
  void PaintPanel(TCanvas& canvas, const TRect& rect, const std::string& text, TAlignment alignment,
                  TStatusPanelBevel bevel);
  void PaintGrip(TCanvas& canvas) const;

  TStatusPanels panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool autoHint_ = false;
  bool sizeGrip_ = true;
  TApplication* hintSource_ = nullptr;  // the application the bar listens to
  int hintListener_ = 0;
};
