-- Brings a database made with an earlier schema up to date for the duplicate finder: its index
-- of the catalogue (paper_match) and the pairs marked "不是重复" (paper_distinct). The paper
-- tables and their statements are unchanged. Papers entered before have no index row yet; the
-- window "查找重复论文" adds the missing rows when it scans. Safe to run twice.
CREATE TABLE IF NOT EXISTS paper_match (
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
-- the title blocks are looked up with a year window: a database of an earlier version has
-- the block index without the year
CREATE INDEX IF NOT EXISTS paper_match_block_year ON paper_match (title_block, pub_year);
DROP INDEX IF EXISTS paper_match_block ON paper_match;
CREATE TABLE IF NOT EXISTS paper_distinct (
  pair_id CHAR(40) NOT NULL PRIMARY KEY,
  Paperid_a VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL,
  Paperid_b VARCHAR(700) COLLATE utf8mb4_nopad_bin NOT NULL,
  KEY paper_distinct_a (Paperid_a),
  KEY paper_distinct_b (Paperid_b)
) ENGINE=InnoDB;
