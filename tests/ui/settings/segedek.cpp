// SPDX-License-Identifier: GPL-3.0-or-later
#include "segedek.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempKonyvtar::TempKonyvtar() {
  std::string minta = (fs::temp_directory_path() / "rovasteszt.XXXXXX").string();
  if (!::mkdtemp(minta.data())) throw std::runtime_error("mkdtemp");
  ut_ = minta;
}

TempKonyvtar::~TempKonyvtar() {
  std::error_code ec;
  fs::remove_all(ut_, ec);
}

void TempKonyvtar::Ir(const std::string& nev, const std::string& tartalom) const {
  std::ofstream(Fajl(nev), std::ios::binary) << tartalom;
}

std::string TempKonyvtar::Olvas(const std::string& nev) const {
  std::ifstream be(Fajl(nev), std::ios::binary);
  std::stringstream ss;
  ss << be.rdbuf();
  return ss.str();
}

bool TempKonyvtar::Van(const std::string& nev) const { return fs::exists(Fajl(nev)); }

namespace {

int Hallgato(int& port, bool figyel) {
  int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) throw std::runtime_error("socket");
  sockaddr_in cim{};
  cim.sin_family = AF_INET;
  cim.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t hossz = sizeof cim;
  if (::bind(s, reinterpret_cast<sockaddr*>(&cim), sizeof cim) != 0 ||
      (figyel && ::listen(s, 16) != 0) ||
      ::getsockname(s, reinterpret_cast<sockaddr*>(&cim), &hossz) != 0) {
    ::close(s);
    throw std::runtime_error("bind/listen");
  }
  port = ntohs(cim.sin_port);
  return s;
}

void Kuld(int s, const std::string& adat) {
  std::size_t kuldve = 0;
  while (kuldve < adat.size()) {
    ssize_t n = ::send(s, adat.data() + kuldve, adat.size() - kuldve, MSG_NOSIGNAL);
    if (n <= 0) return;
    kuldve += static_cast<std::size_t>(n);
  }
}

}  // namespace

int ZartPort() {
  int port = 0;
  int s = Hallgato(port, false);
  ::close(s);
  return port;
}

HttpSzerver::HttpSzerver() {
  hallgato_ = Hallgato(port_, true);
  szal_ = std::thread([this] { Fut(); });
}

HttpSzerver::~HttpSzerver() {
  leall_ = true;
  szal_.join();
  ::close(hallgato_);
}

void HttpSzerver::Beallit(const std::string& ut, Valasz valasz) {
  std::lock_guard<std::mutex> l(zar_);
  valaszok_[ut] = valasz;
}

std::string HttpSzerver::Cim() const { return "http://127.0.0.1:" + std::to_string(port_); }

void HttpSzerver::Fut() {
  while (!leall_) {
    pollfd p{hallgato_, POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) continue;
    int k = ::accept4(hallgato_, nullptr, nullptr, SOCK_CLOEXEC);
    if (k < 0) continue;
    Kiszolgal(k);
    ::close(k);
  }
}

void HttpSzerver::Kiszolgal(int k) {
  std::string keres;
  char buf[4096];
  while (keres.find("\r\n\r\n") == std::string::npos) {
    pollfd p{k, POLLIN, 0};
    if (::poll(&p, 1, 2000) <= 0) return;
    ssize_t n = ::recv(k, buf, sizeof buf, 0);
    if (n <= 0) return;
    keres.append(buf, static_cast<std::size_t>(n));
  }
  ++keresek_;
  std::istringstream sor(keres);
  std::string modszer, ut;
  sor >> modszer >> ut;
  Valasz v{404, "not found"};
  {
    std::lock_guard<std::mutex> l(zar_);
    auto it = valaszok_.find(ut);
    if (it != valaszok_.end()) v = it->second;
  }
  // Wait in small steps so that the server can stop while a client gave up.
  auto vege = std::chrono::steady_clock::now() + v.kesleltetes;
  while (!leall_ && std::chrono::steady_clock::now() < vege) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  long hossz = v.hamisHossz >= 0 ? v.hamisHossz : static_cast<long>(v.torzs.size());
  std::string keret, torzs = v.torzs;
  if (v.keret == Valasz::kHossz) keret = "Content-Length: " + std::to_string(hossz) + "\r\n";
  if (v.keret == Valasz::kDarabok || v.keret == Valasz::kCsonkaDarabok) {
    keret = "Transfer-Encoding: chunked\r\n";
    std::ostringstream d;
    d << std::hex << torzs.size() << "\r\n" << torzs << "\r\n";
    if (v.keret == Valasz::kDarabok) d << "0\r\n\r\n";
    torzs = d.str();
  }
  Kuld(k, "HTTP/1.1 " + std::to_string(v.allapot) + " X\r\nContent-Type: text/xml\r\n" + keret +
              "Connection: close\r\n" +
              (v.atiranyitas.empty() ? "" : "Location: " + v.atiranyitas + "\r\n") + "\r\n" +
              torzs);
}
