#include "edit/ErrorText.h"

#include <array>
#include <regex>
#include <string_view>

namespace sw {

namespace {

// The system's reasons (strerror texts) that files commonly fail with.
std::string SystemReasonJa(const std::string& reason) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kReasons{{
      {"Permission denied", "アクセス権がありません"},
      {"No such file or directory", "ファイルがありません"},
      {"Is a directory", "フォルダーです"},
      {"No space left on device", "ディスクに空きがありません"},
      {"Read-only file system", "読み取り専用の場所です"},
      {"File too large", "ファイルが大きすぎます"},
      {"Too many open files", "開いているファイルが多すぎます"},
      {"Input/output error", "入出力エラーです"},
  }};
  for (const auto& [en, ja] : kReasons)
    if (reason == en) return std::string(ja);
  return reason;
}

std::string FileKindJa(const std::string& kind) {
  if (kind == "a FIFO") return "名前付きパイプ";
  if (kind == "a character device") return "キャラクターデバイス";
  if (kind == "a block device") return "ブロックデバイス";
  if (kind == "a socket") return "ソケット";
  return "種類の分からないもの";
}

struct Rule {
  std::regex pattern;
  std::string (*say)(const std::smatch& m);
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules = [] {
    std::vector<Rule> r;
    auto add = [&r](const char* pattern, std::string (*say)(const std::smatch&)) {
      r.push_back(Rule{std::regex(pattern), say});
    };
    // Files.
    add(R"(^file not found$)", [](const std::smatch&) -> std::string { return "ファイルがありません。"; });
    add(R"(^is a folder, not a file$)", [](const std::smatch&) -> std::string { return "ファイルではなくフォルダーです。"; });
    add(R"(^not a regular file \((.*)\)$)", [](const std::smatch& m) {
      return "通常のファイルではありません (" + FileKindJa(m[1]) + ")。";
    });
    add(R"(^too large: (\d+) bytes, more than the (\d+) allowed for this kind of file$)", [](const std::smatch& m) {
      return "ファイルが大きすぎます (" + m[1].str() + " バイト。この種類のファイルは " + m[2].str() + " バイトまで)。";
    });
    add(R"(^cannot open: (.*)$)", [](const std::smatch& m) { return "開けません: " + SystemReasonJa(m[1]) + "。"; });
    add(R"(^read error: (.*)$)", [](const std::smatch& m) { return "読み込めません: " + SystemReasonJa(m[1]) + "。"; });
    add(R"(^not enough memory for (\d+) bytes$)",
        [](const std::smatch& m) { return "メモリが足りません (" + m[1].str() + " バイト)。"; });
    add(R"(^cannot create (.*): (.*)$)",
        [](const std::smatch& m) { return m[1].str() + " を作れません: " + SystemReasonJa(m[2]) + "。"; });
    add(R"(^write error: (.*)$)", [](const std::smatch& m) { return "書き込めません: " + SystemReasonJa(m[1]) + "。"; });
    add(R"(^cannot flush to disk: (.*)$)",
        [](const std::smatch& m) { return "ディスクに書き出せません: " + SystemReasonJa(m[1]) + "。"; });
    add(R"(^cannot (?:replace|write) (.*): (.*)$)",
        [](const std::smatch& m) { return m[1].str() + " に書き込めません: " + SystemReasonJa(m[2]) + "。"; });
    // Drawings.
    add(R"(^not a JWW drawing: shorter than its 8-byte signature$)", [](const std::smatch&) -> std::string {
      return "JWW の図面ではありません (8 バイトの識別子より短いファイルです)。";
    });
    add(R"(^not a JWW drawing: the signature is not "JwwData\."$)", [](const std::smatch&) -> std::string {
      return "JWW の図面ではありません (先頭が \"JwwData.\" ではありません)。";
    });
    add(R"(^version (\d+) is not accepted \(230 or 300 and up\)$)", [](const std::smatch& m) {
      return "図面のバージョン " + m[1].str() + " には対応していません (230、または 300 以降)。";
    });
    add(R"(unexpected end of data: (\d+) bytes needed, (\d+) left$)", [](const std::smatch& m) {
      return "ファイルが途中で終わっています (" + m[1].str() + " バイト必要なところ、残りは " + m[2].str() +
             " バイトです)。";
    });
    add(R"(UTF-16 string of (\d+) units runs past the end)", [](const std::smatch& m) {
      return "UTF-16 の文字列 (" + m[1].str() + " 文字) がファイルの終わりを越えています。";
    });
    add(R"(string of (\d+) bytes runs past the end)", [](const std::smatch& m) {
      return m[1].str() + " バイトの文字列がファイルの終わりを越えています。";
    });
    // Layout files.
    add(R"(^not a layout file: shorter than the signature "SwtData\."$)", [](const std::smatch&) -> std::string {
      return "レイアウトファイルではありません (識別子 \"SwtData.\" より短いファイルです)。";
    });
    add(R"(^not a layout file: the signature is not "SwtData\."$)", [](const std::smatch&) -> std::string {
      return "レイアウトファイルではありません (先頭が \"SwtData.\" ではありません)。";
    });
    add(R"(claims (\d+) entries, which need at least)", [](const std::smatch& m) {
      return "レイアウトファイルが壊れています (要素の数 " + m[1].str() + " がファイルの残りに収まりません)。";
    });
    add(R"((frameHigh|lineHigh|sheetHigh) is (-?\d+), below 0)", [](const std::smatch& m) {
      return "レイアウトファイルが壊れています (" + m[1].str() + " が " + m[2].str() + " です)。";
    });
    add(R"((selectedFrame|currentSheet) (-?\d+) is not 0\.\.(-?\d+))", [](const std::smatch& m) {
      return "レイアウトファイルが壊れています (" + m[1].str() + " " + m[2].str() + " が 0〜" + m[3].str() +
             " の範囲にありません)。";
    });
    add(R"(the terminator is (-?\d+), not 0)", [](const std::smatch& m) {
      return "レイアウトファイルが壊れています (終端の値が 0 ではなく " + m[1].str() + " です)。";
    });
    add(R"(^the layout is inconsistent: (.*)$)", [](const std::smatch& m) {
      return "レイアウトの内容に矛盾があります (" + m[1].str() + ")。";
    });
    // Printing.
    add(R"(^the page could not be drawn on$)", [](const std::smatch&) -> std::string { return "ページに描けませんでした。"; });
    add(R"(^the printer reports no page size or resolution$)", [](const std::smatch&) -> std::string {
      return "プリンターから用紙の大きさか解像度が得られません。";
    });
    add(R"(^a new page could not be begun$)", [](const std::smatch&) -> std::string { return "次のページを始められませんでした。"; });
    return r;
  }();
  return rules;
}

}  // namespace

std::string DescribeJa(const Error& e) {
  std::string text;
  for (const Rule& rule : Rules()) {
    std::smatch m;
    if (std::regex_search(e.message, m, rule.pattern)) {
      text = rule.say(m);
      break;
    }
  }
  if (text.empty()) text = "内容が正しくありません (" + e.message + ")。";
  if (e.offset >= 0) text = std::to_string(e.offset) + " バイト目: " + text;
  return text;
}

}  // namespace sw
