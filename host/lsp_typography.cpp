// Running the typography pass on a line, and the character diff that turns
// its result into edits.
#include "host/lsp_typography.h"

#include <iostream>

#include "host/frontend.h"
#include "host/io/text_format.h"
#include "host/line_words.h"
#include "host/session.h"

namespace {

const std::vector<std::string> kTitles = {"Typography In Box", "Typography In Selection"};

std::string Utf8Of(const std::u16string& text) {
  std::u32string chars;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      chars.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00));
    } else {
      chars.push_back(c);
    }
  }
  return EncodeUtf8(chars);
}

}  // namespace

bool TypographyPass::Start(std::string* error) {
  // Standard input carries the protocol: dialogs get their default answers.
  SetFrontEnd(MakeDefaultFrontEnd(std::cerr));
  started_ = runtime_.Start(kEnglish, *error);
  return started_;
}

std::vector<TypographyEdit> TypographyPass::Changes(const std::u16string& line,
                                                    const std::vector<bool>& protected_units) {
  if (!started_ || line.empty()) return {};
  std::u16string after;
  try {
    wirsel::io::TextFile file = wirsel::io::ParseText(Utf8Of(line), "line");
    file.document->SetCurrentBox(file.document->FirstTextBox());
    auto& workspace = Session().workspace;
    const int16_t index = workspace.Open(std::move(file.document));
    std::string error;
    bool chosen = false;
    for (const std::string& title : kTitles) chosen = chosen || runtime_.Choose(title, error);
    const wirsel::model::Document* document = FrontDocument();
    if (chosen && document) {
      // As text, so that spaces the pass marked non-breaking read as U+00A0.
      const std::string text =
          wirsel::io::RenderStory(*document->story(document->StoryOfBox(document->FirstTextBox())),
                                  wirsel::io::TextFlavor::kText, wirsel::io::LineEnd::kLf);
      after = wirsel::io::DecodeUtf8(text, "line");
    }
    workspace.Close(index);
    if (!chosen) return {};
  } catch (const std::exception&) {
    return {};
  }
  while (!after.empty() && (after.back() == 13 || after.back() == 10)) after.pop_back();
  std::vector<TypographyEdit> edits;
  for (TypographyEdit& edit : DiffEdits(line, after)) {
    // An insertion touches markup when it lands beside it.
    bool touches = false;
    if (edit.from == edit.to) {
      touches = (edit.from > 0 && edit.from - 1 < protected_units.size() &&
                 protected_units[edit.from - 1]) ||
                (edit.from < protected_units.size() && protected_units[edit.from]);
    }
    for (size_t i = edit.from; i < edit.to && i < protected_units.size(); ++i)
      touches = touches || protected_units[i];
    if (!touches) edits.push_back(std::move(edit));
  }
  return edits;
}

std::vector<TypographyEdit> DiffEdits(const std::u16string& before, const std::u16string& after) {
  size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
    ++prefix;
  size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const size_t n = before.size() - prefix - suffix;
  const size_t m = after.size() - prefix - suffix;
  if (n == 0 && m == 0) return {};
  if (n * m > 4'000'000) {
    return {TypographyEdit{prefix, prefix + n, after.substr(prefix, m)}};
  }
  // lcs[i][j]: longest common subsequence of before[i..] and after[j..].
  std::vector<uint32_t> lcs((n + 1) * (m + 1), 0);
  auto at = [&](size_t i, size_t j) -> uint32_t& { return lcs[i * (m + 1) + j]; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      at(i, j) = before[prefix + i] == after[prefix + j] ? at(i + 1, j + 1) + 1
                                                         : std::max(at(i + 1, j), at(i, j + 1));
    }
  }
  std::vector<TypographyEdit> edits;
  TypographyEdit open{};
  bool in_edit = false;
  size_t i = 0;
  size_t j = 0;
  auto close = [&] {
    if (in_edit) edits.push_back(open);
    in_edit = false;
  };
  while (i < n || j < m) {
    if (i < n && j < m && before[prefix + i] == after[prefix + j]) {
      close();
      ++i;
      ++j;
      continue;
    }
    if (!in_edit) {
      open = TypographyEdit{prefix + i, prefix + i, u""};
      in_edit = true;
    }
    if (j < m && (i == n || at(i, j + 1) >= at(i + 1, j))) {
      open.replacement.push_back(after[prefix + j++]);
    } else {
      open.to = prefix + ++i;
    }
  }
  close();
  return edits;
}
