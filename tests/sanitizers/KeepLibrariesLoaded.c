/* Preloaded into the sanitizer build's test runs: libraries are never unloaded. SDL unloads the
 * OpenGL driver it opened when it quits, and LeakSanitizer then sees the driver's still-held
 * memory as leaked from an unknown module that no suppression can name. Kept loaded, that memory
 * stays reachable, and a real leak in a library is reported with the library's name. */
int dlclose(void *handle) {
  (void)handle;
  return 0;
}
