#include "json.h"

#include <cstdio>

#include "mutation.h"
#include "panel.h"

namespace klebony::headless {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  return out + "\"";
}

namespace {

const char* boolText(bool b) { return b ? "true" : "false"; }

class Object {
 public:
  explicit Object(std::string& out) : out_(out) { out_ += '{'; }
  ~Object() { out_ += '}'; }
  std::string& key(const char* name) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += jsonString(name);
    out_ += ':';
    return out_;
  }
  void add(const char* name, int64_t v) { key(name) += std::to_string(v); }
  void add(const char* name, bool v) { key(name) += boolText(v); }
  void add(const char* name, const std::string& v) { key(name) += jsonString(v); }

 private:
  std::string& out_;
  bool first_ = true;
};

void organismJson(std::string& out, const Organism& o) {
  Object obj(out);
  obj.add("alive", o.alive);
  obj.add("name", o.name);
  obj.add("mutated", o.mutated);
  obj.add("amin", int64_t{o.amin});
  obj.add("hp", int64_t{o.hp});
  obj.add("live", int64_t{o.live});
  obj.add("reg", int64_t{o.reg});
  obj.add("speed", int64_t{o.speed});
  obj.add("size", int64_t{o.size});
  obj.add("agsize", int64_t{o.agsize});
  obj.add("captured", o.captured);
  obj.add("sensor", int64_t{o.sensor});
  obj.add("kolschup", int64_t{o.kolschup});
  obj.add("urschup", int64_t{o.urschup});
  obj.add("bitv", int64_t{o.bitv});
  obj.add("schip", int64_t{o.schip});
  obj.add("lezvie", int64_t{o.lezvie});
  obj.add("kleschni", int64_t{o.kleschni});
  obj.add("hvost", int64_t{o.hvost});
  obj.add("spory", int64_t{o.spory});
  obj.add("zschip", int64_t{o.zschip});
  obj.add("zlezvie", int64_t{o.zlezvie});
  obj.add("zkleschni", int64_t{o.zkleschni});
  obj.add("zhvost", int64_t{o.zhvost});
  obj.add("zspory", int64_t{o.zspory});
  std::string& t = obj.key("tentacles");
  t += '[';
  for (int i = 0; i < kTentacleSlots; ++i) {
    if (i) t += ',';
    t += '[';
    t += boolText(o.tentacles[i].active);
    t += ',';
    t += std::to_string(o.tentacles[i].travel);
    t += ']';
  }
  t += ']';
}

// One string per row y; character x from `cellChar`.
template <typename F>
void rowsJson(std::string& out, const World& world, F cellChar) {
  out += '[';
  for (int y = 0; y < kBoardSize; ++y) {
    if (y) out += ',';
    std::string row;
    for (int x = 0; x < kBoardSize; ++x) row += cellChar(world.cell(x, y));
    out += jsonString(row);
  }
  out += ']';
}

char ownerDigit(const Cell& c) {
  // A damaged file may hold any owner; show it as something, not as garbage.
  return c.owner >= 0 && c.owner <= kFree ? static_cast<char>('0' + c.owner) : '?';
}

}  // namespace

std::string dumpJson(const Game& game) {
  const WindowState& w = game.window;
  const World& world = game.world;
  std::string out;
  {
    Object obj(out);
    obj.add("turn", int64_t{world.turn});
    obj.add("mutationMode", w.mutationMode);
    {
      std::string& hod = obj.key("hod");
      Object h(hod);
      h.add("caption", w.hodCaption);
      h.add("enabled", w.hodEnabled);
    }
    obj.add("bmut", w.bmutCaption);
    obj.add("h1", w.h1);
    obj.add("h2", w.h2);
    obj.add("t1", w.t1);
    obj.add("t2", w.t2);
    {
      std::string& hover = obj.key("hover");
      hover += '[';
      hover += std::to_string(w.hoverX);
      hover += ',';
      hover += std::to_string(w.hoverY);
      hover += ']';
    }
    obj.add("queued", static_cast<int64_t>(game.random.queued()));
    {
      std::string& orgs = obj.key("organisms");
      orgs += '[';
      for (int k = 0; k < kOrganismCount; ++k) {
        if (k) orgs += ',';
        organismJson(orgs, world.organisms[k]);
      }
      orgs += ']';
    }
    rowsJson(obj.key("owners"), world, ownerDigit);
    rowsJson(obj.key("visible"), world, [](const Cell& c) { return c.visible ? '#' : '.'; });
    {
      std::string& p = obj.key("panel");
      Object panel(p);
      panel.add("Label2", w.panel.label2);
      for (int i = 0; i < kValueLabelCount; ++i)
        panel.add(valueLabelName(static_cast<ValueLabel>(i)), w.panel.values[i]);
      std::string& bold = panel.key("bold");
      bold += '[';
      bool first = true;
      for (int i = 0; i < kCharacteristicCount; ++i) {
        if (!w.panel.bold[i]) continue;
        if (!first) bold += ',';
        first = false;
        std::string name = "Label";
        name += std::to_string(captionLabel(kCharacteristics[i]));
        bold += jsonString(name);
      }
      bold += ']';
    }
  }
  return out;
}

}  // namespace klebony::headless
