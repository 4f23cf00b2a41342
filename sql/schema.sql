-- Tables of the paper catalogue. The database is created with utf8mb4 and the
-- tables inherit its character set and collation. The paper key compares byte
-- for byte: keys that differ in letter case or by a trailing blank are different papers.
CREATE TABLE username_password (
  username VARCHAR(191) NOT NULL PRIMARY KEY,
  password VARCHAR(255) NOT NULL
);
CREATE TABLE username_rightid (
  username VARCHAR(191) NOT NULL PRIMARY KEY,
  rightid VARCHAR(8) NOT NULL
);
-- The row key of the author directory is invisible: "select *" and inserts without a
-- column list see only author and email (a replicated cluster needs a key on every table).
CREATE TABLE author_info (
  author VARCHAR(255) NOT NULL,
  email VARCHAR(255) NOT NULL,
  author_info_id BIGINT UNSIGNED NOT NULL AUTO_INCREMENT INVISIBLE PRIMARY KEY,
  KEY author_info_author (author)
);
CREATE TABLE main (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  title VARCHAR(500) NOT NULL,
  author_1 VARCHAR(100) NOT NULL,
  pub_time VARCHAR(50) NOT NULL
);
CREATE TABLE author_all (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  author_1 VARCHAR(100) NOT NULL,
  author_2 VARCHAR(100) NULL DEFAULT NULL,
  author_3 VARCHAR(100) NULL DEFAULT NULL,
  author_4 VARCHAR(100) NULL DEFAULT NULL,
  author_5 VARCHAR(100) NULL DEFAULT NULL
);
CREATE TABLE kword_all (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  kword_1 VARCHAR(100) NULL DEFAULT NULL,
  kword_2 VARCHAR(100) NULL DEFAULT NULL,
  kword_3 VARCHAR(100) NULL DEFAULT NULL,
  kword_4 VARCHAR(100) NULL DEFAULT NULL,
  kword_5 VARCHAR(100) NULL DEFAULT NULL,
  kword_6 VARCHAR(100) NULL DEFAULT NULL,
  kword_7 VARCHAR(100) NULL DEFAULT NULL,
  kword_8 VARCHAR(100) NULL DEFAULT NULL,
  kword_9 VARCHAR(100) NULL DEFAULT NULL,
  kword_a VARCHAR(100) NULL DEFAULT NULL
);
CREATE TABLE address (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  filename VARCHAR(255) NOT NULL,
  dir VARCHAR(500) NOT NULL,
  catalog VARCHAR(100) NULL DEFAULT NULL,
  remark VARCHAR(1000) NULL DEFAULT NULL
);
CREATE TABLE type_in (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  typist VARCHAR(191) NOT NULL,
  type_time VARCHAR(20) NOT NULL
);
-- The duplicate finder's index of the catalogue (one row per paper, kept in step by the entry,
-- update and removal) and the pairs of papers marked "不是重复".
CREATE TABLE paper_match (
  Paperid VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL PRIMARY KEY,
  title_norm VARCHAR(500) NOT NULL,
  title_main VARCHAR(500) NOT NULL,
  title_block VARCHAR(20) NOT NULL,
  title_extra VARCHAR(255) NOT NULL DEFAULT '',
  author_key VARCHAR(100) NOT NULL,
  author_alt VARCHAR(100) NOT NULL DEFAULT '',
  pub_year SMALLINT NOT NULL DEFAULT 0,
  doi VARCHAR(200) NOT NULL DEFAULT '',
  arxiv VARCHAR(40) NOT NULL DEFAULT '',
  KEY paper_match_block_year (title_block, pub_year),
  KEY paper_match_author (author_key, pub_year),
  KEY paper_match_alt (author_alt, pub_year),
  KEY paper_match_doi (doi),
  KEY paper_match_arxiv (arxiv)
) ENGINE=InnoDB;
CREATE TABLE paper_distinct (
  pair_id CHAR(40) NOT NULL PRIMARY KEY,
  Paperid_a VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL,
  Paperid_b VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL,
  KEY paper_distinct_a (Paperid_a),
  KEY paper_distinct_b (Paperid_b)
) ENGINE=InnoDB;

-- The full-text index of the papers' files: one row per indexed file, the text of each
-- page as indexed, and the postings (for each term and segment, the packed list of pages
-- holding the term). Ordinary InnoDB tables, so that a replicated cluster copies them; the
-- two large ones compressed (about half the size).
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
