// A shown window holding one ruler, and a log of the ruler's events in the order they fire.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/WordRuler.h"
#include "platform/control_fixture.h"
#include "platform/controls/Image.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testing/TestInput.h"

class RulerTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(50, 50, 400, 120);
    form_->Show();
    ruler_ = new TWordRuler(form_.get());
    ruler_->SetBounds(10, 10, 200, 26);
    ruler_->SetParent(form_.get());
    Listen();
    TestInput::ProcessEvents();
  }

  void Listen() {
    ruler_->OnBeginChange = [this](TComponent* s) { Note(s, "begin"); };
    ruler_->OnChanged = [this](TComponent* s) { Note(s, "changed"); };
    ruler_->OnStopChanged = [this](TComponent* s) { Note(s, "stop"); };
    ruler_->OnMouseDown = [this](TComponent* s, TMouseButton b, TShiftState, int x, int y) {
      Note(s, "down" + std::to_string(b) + "@" + std::to_string(x) + "," + std::to_string(y));
    };
    ruler_->OnMouseMove = [this](TComponent* s, TShiftState, int x, int y) {
      Note(s, "move@" + std::to_string(x) + "," + std::to_string(y));
    };
    ruler_->OnMouseUp = [this](TComponent* s, TMouseButton b, TShiftState, int x, int y) {
      Note(s, "up" + std::to_string(b) + "@" + std::to_string(x) + "," + std::to_string(y));
    };
  }

  // Every event must come from the ruler itself.
  void Note(TComponent* sender, const std::string& what) {
    log_.push_back(sender == ruler_ ? what : what + "(wrong sender)");
  }

  int MarkerLeft(int tag) const { return ruler_->Marker(tag)->Left(); }

  // Drags from a point of the ruler by dx pixels, in steps, with the left button.
  void Drag(TPoint from, int dx) {
    TestInput::MouseDown(ruler_, mbLeft, from);
    const int step = dx >= 0 ? 1 : -1;
    for (int d = step; d != dx + step; d += step)
      TestInput::MouseMove(ruler_, Point(from.X + d, from.Y), ssLeft);
    TestInput::MouseUp(ruler_, mbLeft, Point(from.X + dx, from.Y));
  }

  // Points of the ruler on the markers in their initial places (ruler 26 high).
  static TPoint OnLeftTriangle() { return Point(4, 16); }
  static TPoint OnLeftBox() { return Point(4, 24); }
  static TPoint OnFirstLine() { return Point(4, 6); }

  std::unique_ptr<TForm> form_;
  TWordRuler* ruler_ = nullptr;
  std::vector<std::string> log_;
};
