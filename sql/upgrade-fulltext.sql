-- Adds the full-text index tables to a database made with an earlier schema. The
-- catalogue's own tables and the account tables are not touched. Safe to run twice.
CREATE TABLE IF NOT EXISTS fulltext_doc (
  doc_id BIGINT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL,
  seg BIGINT UNSIGNED NOT NULL DEFAULT 0,
  file_size BIGINT NOT NULL,
  file_mtime BIGINT NOT NULL,
  file_hash CHAR(40) CHARACTER SET ascii NOT NULL,
  pages INT NOT NULL,
  tokens INT NOT NULL,
  error VARCHAR(200) NULL DEFAULT NULL,
  UNIQUE KEY fulltext_doc_paper (Paperid),
  KEY fulltext_doc_seg (seg)
) ENGINE=InnoDB;
CREATE TABLE IF NOT EXISTS fulltext_page (
  doc_id BIGINT UNSIGNED NOT NULL,
  page INT UNSIGNED NOT NULL,
  body MEDIUMTEXT NOT NULL,
  PRIMARY KEY (doc_id, page)
) ENGINE=InnoDB ROW_FORMAT=COMPRESSED KEY_BLOCK_SIZE=8;
CREATE TABLE IF NOT EXISTS fulltext_posting (
  term VARCHAR(64) COLLATE utf8mb4_bin NOT NULL,
  seg BIGINT UNSIGNED NOT NULL,
  data MEDIUMBLOB NOT NULL,
  PRIMARY KEY (term, seg)
) ENGINE=InnoDB ROW_FORMAT=COMPRESSED KEY_BLOCK_SIZE=8;
