/* The floor of a favorites run: the least work any program that turns a favorites tree
 * into link pages must do. It walks the tree with the system calls favpage-cli uses
 * (opendir, readdir, fstatat of every entry without following links), reads each
 * shortcut whole by its full path (open, fstat, read to the end, close), as favpage-cli
 * does, takes its URL= line, and writes one line
 * per link: all into one file (single), or one file per folder (tree, the files named
 * after a running number beside the first one).
 *
 * Usage: floor single|tree FAVORITES OUT
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

static int tree_mode;
static const char *out_base;
static long page_count;

struct out {
  int fd;
  char buf[64 * 1024];
  size_t used;
};

static void die(const char *what, const char *path) {
  perror(path);
  fprintf(stderr, "floor: %s failed\n", what);
  exit(1);
}

static void out_flush(struct out *o) {
  size_t done = 0;
  while (done < o->used) {
    ssize_t n = write(o->fd, o->buf + done, o->used - done);
    if (n <= 0) die("write", out_base);
    done += (size_t)n;
  }
  o->used = 0;
}

static void out_put(struct out *o, const char *bytes, size_t length) {
  if (o->used + length > sizeof o->buf) out_flush(o);
  if (length > sizeof o->buf) length = sizeof o->buf; /* a line never is this long */
  memcpy(o->buf + o->used, bytes, length);
  o->used += length;
}

static void out_open(struct out *o, const char *path) {
  o->fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (o->fd < 0) die("open", path);
  o->used = 0;
}

static void out_close(struct out *o) {
  out_flush(o);
  if (close(o->fd) != 0) die("close", out_base);
}

/* The value of the URL= line of the shortcut `path`, into `url`; its length. */
static size_t read_url(const char *path, char *url, size_t room) {
  char text[8192];
  int fd = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return 0;
  struct stat info;
  size_t got = 0;
  if (fstat(fd, &info) == 0) {
    for (;;) {
      ssize_t n = read(fd, text + got, sizeof text - 1 - got);
      if (n <= 0) break;
      got += (size_t)n;
      if (got == sizeof text - 1) break;
    }
  }
  close(fd);
  text[got] = '\0';
  const char *line = text;
  while (line < text + got) {
    const char *end = memchr(line, '\n', (size_t)(text + got - line));
    if (end == NULL) end = text + got;
    if (strncasecmp(line, "URL=", 4) == 0) {
      size_t length = (size_t)(end - line - 4);
      if (length > 0 && line[4 + length - 1] == '\r') --length;
      if (length > room) length = room;
      memcpy(url, line + 4, length);
      return length;
    }
    line = end + 1;
  }
  return 0;
}

static int by_name(const void *a, const void *b) {
  return strcmp(*(char *const *)a, *(char *const *)b);
}

static void walk(const char *folder, struct out *single) {
  DIR *dir = opendir(folder);
  if (dir == NULL) return;
  size_t count = 0, room = 64;
  char **subfolders = malloc(room * sizeof *subfolders);
  char **links = malloc(room * sizeof *links);
  size_t link_count = 0, link_room = 64;
  struct dirent *item;
  while ((item = readdir(dir)) != NULL) {
    if (strcmp(item->d_name, ".") == 0 || strcmp(item->d_name, "..") == 0) continue;
    struct stat info;
    if (fstatat(dirfd(dir), item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(info.st_mode)) {
      if (count == room) subfolders = realloc(subfolders, (room *= 2) * sizeof *subfolders);
      subfolders[count++] = strdup(item->d_name);
    } else {
      size_t length = strlen(item->d_name);
      if (length > 4 && strcasecmp(item->d_name + length - 4, ".url") == 0) {
        if (link_count == link_room) links = realloc(links, (link_room *= 2) * sizeof *links);
        links[link_count++] = strdup(item->d_name);
      }
    }
  }
  /* Pages list their entries in a fixed order, as favpage's do. */
  qsort(subfolders, count, sizeof *subfolders, by_name);
  qsort(links, link_count, sizeof *links, by_name);

  static struct out page_out;
  struct out *o = single;
  if (tree_mode) {
    char page[4096];
    snprintf(page, sizeof page, "%s_%ld.html", out_base, page_count++);
    o = &page_out;
    out_open(o, page);
  }
  char line[8192];
  for (size_t i = 0; i < link_count; ++i) {
    char url[4096];
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", folder, links[i]);
    size_t url_length = read_url(path, url, sizeof url);
    int n = snprintf(line, sizeof line, "<LI><A HREF=\"%.*s\">%s</A>\r\n", (int)url_length, url,
                     links[i]);
    if (n > 0) out_put(o, line, (size_t)n < sizeof line ? (size_t)n : sizeof line - 1);
    free(links[i]);
  }
  if (tree_mode) out_close(o);
  closedir(dir);
  free(links);
  for (size_t i = 0; i < count; ++i) {
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", folder, subfolders[i]);
    walk(path, single);
    free(subfolders[i]);
  }
  free(subfolders);
}

int main(int argc, char **argv) {
  if (argc != 4 || (strcmp(argv[1], "single") != 0 && strcmp(argv[1], "tree") != 0)) {
    fprintf(stderr, "usage: floor single|tree FAVORITES OUT\n");
    return 2;
  }
  tree_mode = strcmp(argv[1], "tree") == 0;
  out_base = argv[3];
  static struct out single;
  if (!tree_mode) out_open(&single, out_base);
  walk(argv[2], &single);
  if (!tree_mode) out_close(&single);
  return 0;
}
