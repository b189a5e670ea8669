// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers: a temporary program directory and a tiny HTTP server on
// 127.0.0.1 that answers from a table.

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>

// A fresh directory, removed with everything in it at the end of the scope.
class TempKonyvtar {
 public:
  TempKonyvtar();
  ~TempKonyvtar();
  const std::string& Ut() const { return ut_; }
  std::string Fajl(const std::string& nev) const { return ut_ + "/" + nev; }
  void Ir(const std::string& nev, const std::string& tartalom) const;
  std::string Olvas(const std::string& nev) const;
  bool Van(const std::string& nev) const;

 private:
  std::string ut_;
};

// Serves one answer per path; an unknown path gets 404. Each connection is
// answered on the server thread, one at a time.
class HttpSzerver {
 public:
  struct Valasz {
    Valasz(int allapot_ = 200, std::string torzs_ = {},
           std::chrono::milliseconds kesleltetes_ = std::chrono::milliseconds(0),
           long hamisHossz_ = -1)
        : allapot(allapot_),
          torzs(std::move(torzs_)),
          kesleltetes(kesleltetes_),
          hamisHossz(hamisHossz_) {}
    int allapot;
    std::string torzs;
    std::chrono::milliseconds kesleltetes;  // wait before answering
    long hamisHossz;          // Content-Length to announce instead of the real one (-1: real)
    std::string atiranyitas;  // Location header, when not empty
    // How the body's end is marked: by Content-Length, only by closing the
    // connection, in chunks, or in chunks without the last one (cut short).
    enum Keret { kHossz, kBezaras, kDarabok, kCsonkaDarabok } keret = kHossz;
  };

  HttpSzerver();
  ~HttpSzerver();
  void Beallit(const std::string& ut, Valasz valasz);
  std::string Cim() const;  // "http://127.0.0.1:PORT"
  int KeresekSzama() const { return keresek_; }

 private:
  void Fut();
  void Kiszolgal(int kapcsolat);

  int hallgato_ = -1;
  int port_ = 0;
  std::atomic<bool> leall_{false};
  std::atomic<int> keresek_{0};
  std::mutex zar_;
  std::map<std::string, Valasz> valaszok_;
  std::thread szal_;
};

// A port on 127.0.0.1 where nothing listens.
int ZartPort();
