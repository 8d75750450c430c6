;;; eglot_lsp.el --- eglot against `wirsel lsp`  -*- lexical-binding: t -*-
;;
;; emacs --batch -Q -l eglot_lsp.el WIRSEL FILE
;;
;; Visits FILE, connects eglot with `wirsel lsp' as a Markdown server, waits
;; for the diagnostics flymake receives and prints their number.

(package-initialize)
(require 'eglot)
(let* ((wirsel (nth 0 command-line-args-left))
       (file (nth 1 command-line-args-left))
       (count 0))
  (setq command-line-args-left nil)
  (with-current-buffer (find-file-noselect file)
    (text-mode)
    (eglot 'text-mode (cons 'transient default-directory) 'eglot-lsp-server
           (list wirsel "lsp") "markdown")
    (let ((tries 0))
      (while (and (< tries 150) (null (flymake-diagnostics)))
        (accept-process-output nil 0.1)
        (setq tries (1+ tries))))
    (accept-process-output nil 0.3)
    (setq count (length (flymake-diagnostics)))
    (eglot-shutdown (eglot-current-server)))
  (princ (format "%d\n" count)))
