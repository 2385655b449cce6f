/* The page record is handled by the page runtime (page.configure). */
