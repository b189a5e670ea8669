// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/escape.h"
#include "fonts/betukepesseg.h"

namespace cli {

// The record of any name, catalogued or not: one "Field<TAB>value" line per
// field in declared order.
int Betukeszlet(int argc, char** argv) {
  if (argc != 1) {
    std::cerr << "Usage: rovas-cli betukeszlet NAME\n";
    return 2;
  }
  const TBetuKepesseg k(argv[0]);
  std::string out;
  auto jelzo = [&out](const char* nev, bool v) {
    out += nev;
    out += v ? "\t1\n" : "\t0\n";
  };
  auto lista = [&out](const char* nev, const std::string& v) {
    out += nev;
    out += '\t';
    out += Escape(v);
    out += '\n';
  };
  jelzo("JobbrolBalraIras", k.JobbrolBalraIras);
  jelzo("VanSzamjegy", k.VanSzamjegy);
  jelzo("VanRovasSzam", k.VanRovasSzam);
  jelzo("VanBetu", k.VanBetu);
  jelzo("VanMelyK", k.VanMelyK);
  jelzo("VanKiterjesztett", k.VanKiterjesztett);
  jelzo("VanOsszerovas", k.VanOsszerovas);
  jelzo("VanKepjel", k.VanKepjel);
  jelzo("Nagybetus", k.Nagybetus);
  jelzo("SzamokElore", k.SzamokElore);
  lista("SzamjegyKor", k.SzamjegyKor);
  lista("SzamokKore", k.SzamokKore);
  lista("SzamokKoreJB", k.SzamokKoreJB);
  lista("SzamokKoreBJ", k.SzamokKoreBJ);
  lista("BetukKore", k.BetukKore);
  lista("BetukKoreBJ", k.BetukKoreBJ);
  lista("BetukKoreJB", k.BetukKoreJB);
  lista("KiterjesztettKor", k.KiterjesztettKor);
  lista("KiterjesztettPotlas", k.KiterjesztettPotlas);
  lista("MelyKHangrendi", k.MelyKHangrendi);
  lista("MelyKJel", k.MelyKJel);
  lista("MelyKSzoElejen", k.MelyKSzoElejen);
  lista("MelyKSzoVegen", k.MelyKSzoVegen);
  lista("OsszerovasElso", k.OsszerovasElso);
  lista("OsszerovasMasodik", k.OsszerovasMasodik);
  lista("KepjelekElso", k.KepjelekElso);
  lista("KepjelekMasodik", k.KepjelekMasodik);
  lista("GepelesKor", k.GepelesKor);
  std::cout << out;
  return std::cout.good() ? 0 : 1;
}

int Betukeszletek(int argc, char**) {
  if (argc != 0) {
    std::cerr << "Usage: rovas-cli betukeszletek\n";
    return 2;
  }
  for (const std::string& nev : KatalogusNevek()) std::cout << nev << '\n';
  return std::cout.good() ? 0 : 1;
}

}  // namespace cli
