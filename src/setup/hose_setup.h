// What the line setup edits: a private copy of one line record, its title
// and connection, the entries of its length, diameter and elevation fields,
// the siamese inlets, and OK's checks and write-back. The window only shows
// this and passes the user's entries on.
#pragma once

#include <string>
#include <vector>

#include "sim/discharge_rec.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;

// The entry fields of the line setup.
enum class HoseField { LengthLeft, LengthRight, DiamLeft, DiamRight, InletElev, OutletElev };

// An item of an inlet box: the title shown and the line it stands for (0
// for "disconnected").
struct InletChoice {
  std::string Title;
  int Line = 0;
};

inline constexpr const char* kDisconnectedInlet = "disconnected";

class HoseSetup {
 public:
  HoseSetup(const State& s, const Configuration& cfg, int line);

  int Line() const { return line_; }
  const TDischargeRec& Copy() const { return copy_; }
  const std::string& Title() const { return title_; }
  bool Connected() const { return !copy_.LineBurst; }

  // Which controls may be changed.
  bool ConnectionEditable() const;
  bool LayoutEditable() const;
  bool MaterialEditable() const;
  bool TitleEditable() const;

  // Changes of the choices.
  void SetLayout(int layout);
  void SetMaterial(int kind);
  void SetConnected(bool connected);
  void SetTitle(const std::string& text);
  // Partner k (1 or 2) := line (0 for disconnected).
  void SetPartner(int k, int line);

  // The text a field shows for the copy, and the commit of a typed text:
  // false with the reason in error (the copy keeps its value) for a text
  // that is no number, an empty one, and a length or diameter not above 0.
  std::string FieldText(HoseField f) const;
  bool Commit(HoseField f, const std::string& text, std::string& error);
  bool FieldShown(HoseField f) const;  // the right side only for siamese and wye

  // The descriptions of the two sides ("150 ft  of  2-1/2  inch").
  std::string SideDescription(bool left) const;
  // The items of inlet box k and the one selected (index into the items).
  std::vector<InletChoice> InletChoices(int k) const;
  int InletItem(int k) const;

  // What the hose means once confirmed: "at 209 gpm: friction 27.2 psi,
  // pump 77.5 psi", or "" for a line without a nozzle.
  std::string Summary() const;

  // OK: the checks in order, each refused with its message; then the edited
  // fields go into the line record and the line is recomputed. A changed
  // connection asks the panel to redraw the line.
  bool Ok(State& s, Host& host);

 private:
  // The copy written into s as OK does (without its checks).
  void WriteBack(State& s, Host& host) const;
  double* LengthField(bool left, int branch);
  double* DiamField(bool left, int branch);

  const State& s_;
  const Configuration& cfg_;
  int line_;
  TDischargeRec copy_{};
  std::string title_;
  bool wasSiamese_ = false;
  int formerPartner_ = 0;
  bool wasBurst_ = false;
  double formerDiam_ = 0;
};

}  // namespace pumpdrill
