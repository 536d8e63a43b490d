namespace dravik {}
