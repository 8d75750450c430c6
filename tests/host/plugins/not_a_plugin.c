/* A shared library without the plug-in entry point. */
int not_a_plugin_answer(void) { return 42; }
