# The two commands of the README:
#   make demo   build everything and proof the bundled sample
#   make test   build and run the whole suite, then again under ASan and UBSan
# Missing Debian packages are installed with apt-get when run as root.

DEBIAN_PACKAGES := cmake make g++ clang-14 pkg-config libgtest-dev libgmock-dev \
  libbenchmark-dev nlohmann-json3-dev libcli11-dev hunspell-pl hyphen-pl \
  hunspell libhunspell-dev libhyphen-dev wpolish libfuzzer-14-dev \
  libmd4c-dev libmd4c-html0-dev libgumbo-dev libutf8proc-dev emacs-nox elpa-eglot neovim \
  texlive-latex-base texlive-lang-polish pandoc parallel python3-distributed poppler-utils
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan

.PHONY: all deps configure build test test-fast test-asan demo clean fuzz-build fuzz-smoke fuzz

all: build

deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing: $$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing Debian packages. Run as root:"; \
	    echo "  apt-get install -y $$missing"; exit 1; \
	  fi; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test-fast: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The sanitizer run reuses the data files compiled by the normal build and
# leaves out the slow whole-vocabulary tests.
test-asan: build
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DWIRSEL_SANITIZE=ON \
	  -DWIRSEL_BENCHMARKS=OFF -DWIRSEL_PREBUILT_DATA=$(CURDIR)/$(BUILD)/bin/XTensions
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -LE slow

test: test-fast test-asan

# Fuzzing: a clang tree with every library instrumented. fuzz-smoke runs each
# target briefly on its seed corpus (as CI does); fuzz runs each for 10^6
# executions. The targets keep their files in a private folder under $TMPDIR;
# the settings-file target syncs every write, so a TMPDIR on a memory file
# system makes a long run of it much faster.
FUZZ_BUILD := build-fuzz
FUZZ_RUNS := 1000000
fuzz-build: build
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DWIRSEL_FUZZ=ON -DWIRSEL_BENCHMARKS=OFF -DWIRSEL_PREBUILT_DATA=$(CURDIR)/$(BUILD)/bin/XTensions
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target json_reader_fuzz dialog_script_fuzz ini_fuzz \
	  spell_fuzz hyph_fuzzer latex_reader_fuzz html_reader_fuzz markdown_reader_fuzz lsp_fuzz editor_prose_fuzz \
	  prose_words_fuzz

fuzz-smoke: fuzz-build
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure -L fuzz

fuzz: fuzz-build
	cmake -S . -B $(FUZZ_BUILD) -DWIRSEL_FUZZ_RUNS=$(FUZZ_RUNS)
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure -L fuzz

# The demo proofs the bundled sample: the words to look at are printed (exit
# status 1 says there were some, which is the point here), the results are
# written as text, TeX and HTML under build/demo/, and as PDF when pdflatex
# is installed. Then it proofs the bundled LaTeX article, HTML page and
# Markdown file in place (markup untouched) and compiles the proofed article.
SAMPLE := data/sample
DEMO := $(BUILD)/demo
demo: build
	@mkdir -p $(DEMO)
	$(BUILD)/bin/wirsel --version
	@echo "== wirsel proof $(SAMPLE)/probka.txt =="
	@$(BUILD)/bin/wirsel proof $(SAMPLE)/probka.txt -o $(DEMO)/probka.txt; \
	  status=$$?; [ $$status -le 1 ] || exit $$status
	$(BUILD)/bin/wirsel run $(DEMO)/probka.txt --format tex -o $(DEMO)/probka.tex
	$(BUILD)/bin/wirsel run $(DEMO)/probka.txt --format html -o $(DEMO)/probka.html
	@cp $(SAMPLE)/probka-doc.tex $(DEMO)/
	@if command -v pdflatex >/dev/null; then \
	  (cd $(DEMO) && pdflatex -interaction=nonstopmode -halt-on-error probka-doc.tex >/dev/null 2>&1) && \
	  echo "PDF: $(DEMO)/probka-doc.pdf"; \
	else echo "pdflatex is not installed: no PDF (apt-get install texlive-latex-base)"; fi
	@echo "Results: $(DEMO)/probka.txt $(DEMO)/probka.tex $(DEMO)/probka.html"
	@echo "== wirsel proof on sources: LaTeX, HTML and Markdown, markup untouched =="
	@for f in artykul.tex strona.html probka.md; do \
	  $(BUILD)/bin/wirsel proof $(SAMPLE)/$$f -o $(DEMO)/$$f; \
	  status=$$?; [ $$status -le 1 ] || exit $$status; \
	done
	@if command -v pdflatex >/dev/null; then \
	  (cd $(DEMO) && pdflatex -interaction=nonstopmode -halt-on-error artykul.tex >/dev/null 2>&1) && \
	  echo "PDF: $(DEMO)/artykul.pdf"; \
	fi
	@echo "Results: $(DEMO)/artykul.tex $(DEMO)/strona.html $(DEMO)/probka.md"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
