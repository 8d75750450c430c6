;;; eglot_lsp.el --- eglot against `wirsel lsp`  -*- lexical-binding: t -*-
;;
;; emacs --batch -Q -l eglot_lsp.el WIRSEL FILE
;;
;; Visits FILE, connects eglot with `wirsel lsp' as a Markdown server, waits
;; for the diagnostics eglot receives (handed to flymake, or kept for it
;; until flymake first runs, which its idle timer does not in batch) and
;; prints their number.

;; -Q skips the site start-up that puts Debian's ELPA packages (elpa-eglot
;; and what it needs) on the load path.
(let ((default-directory "/usr/share/emacs/site-lisp/elpa/"))
  (when (file-directory-p default-directory)
    (normal-top-level-add-subdirs-to-load-path)))
(require 'eglot)
(let* ((wirsel (nth 0 command-line-args-left))
       (file (nth 1 command-line-args-left))
       (count 0))
  (setq command-line-args-left nil)
  (with-current-buffer (find-file-noselect file)
    (text-mode)
    (eglot '(text-mode) (cons 'transient default-directory) 'eglot-lsp-server
           (list wirsel "lsp") "markdown")
    (let ((tries 0))
      (while (and (< tries 150) (null (or (flymake-diagnostics) eglot--diagnostics)))
        (accept-process-output nil 0.1)
        (setq tries (1+ tries))))
    (accept-process-output nil 0.3)
    (setq count (max (length (flymake-diagnostics)) (length eglot--diagnostics)))
    (eglot-shutdown (eglot-current-server)))
  (princ (format "%d\n" count)))
