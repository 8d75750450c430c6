-- Neovim's built-in LSP client against `wirsel lsp`: opens the current
-- buffer as Markdown, waits for diagnostics and prints their number.
--   WIRSEL=... nvim --headless -u NONE -c "luafile nvim_lsp.lua" FILE
local buffer = vim.api.nvim_get_current_buf()
vim.bo[buffer].filetype = 'markdown'
local client = vim.lsp.start_client({
  cmd = { os.getenv('WIRSEL'), 'lsp' },
  name = 'wirsel',
  root_dir = vim.fn.getcwd(),
})
vim.lsp.buf_attach_client(buffer, client)
vim.wait(15000, function() return #vim.diagnostic.get(buffer) > 0 end, 50)
vim.wait(300)
io.stdout:write(#vim.diagnostic.get(buffer) .. '\n')
vim.lsp.stop_client(client)
vim.cmd('qa!')
