;;; ispell_harness.el --- Emacs's own ispell.el and flyspell.el over one file  -*- lexical-binding: t -*-
;;
;; emacs --batch -Q -l ispell_harness.el PROGRAM DICTIONARY MODE FILE
;;
;; Sets nothing but `ispell-program-name' and `ispell-dictionary', visits
;; FILE (a .tex file in latex-mode), runs MODE and prints the flagged words,
;; one a line, sorted:
;;   ispell-buffer     every misspelling `ispell-buffer' stops at (each is skipped)
;;   flyspell-buffer   flyspell word by word through the -a pipe
;;   flyspell-large    flyspell over a large region (the -l listing)
;; An error (such as "Ispell misalignment") ends Emacs with status 255.

(require 'ispell)
(require 'flyspell)
(require 'cl-lib)

(defun harness-flyspell-words ()
  (let (words)
    (dolist (overlay (overlays-in (point-min) (point-max)))
      (when (flyspell-overlay-p overlay)
        (push (buffer-substring-no-properties (overlay-start overlay) (overlay-end overlay))
              words)))
    words))

(let* ((program (nth 0 command-line-args-left))
       (dictionary (nth 1 command-line-args-left))
       (mode (nth 2 command-line-args-left))
       (file (nth 3 command-line-args-left))
       (flagged '()))
  (setq command-line-args-left nil)
  (setq ispell-program-name program)
  (setq ispell-dictionary dictionary)
  (with-current-buffer (let ((coding-system-for-read 'utf-8)) (find-file-noselect file))
    (when (string-suffix-p ".tex" file) (latex-mode))
    (pcase mode
      ("ispell-buffer"
       (cl-letf (((symbol-function 'ispell-command-loop)
                  (lambda (_miss _guess word _start _end) (push word flagged) nil)))
         (ispell-buffer)))
      ("flyspell-buffer"
       (let ((flyspell-large-region most-positive-fixnum))
         (flyspell-buffer))
       (setq flagged (harness-flyspell-words)))
      ("flyspell-large"
       (let ((flyspell-large-region 1))
         (flyspell-buffer))
       (setq flagged (harness-flyspell-words)))
      (_ (error "Unknown mode %s" mode))))
  (ispell-kill-ispell t)
  (dolist (word (sort flagged #'string<))
    (princ (concat word "\n"))))
