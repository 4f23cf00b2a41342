#!/bin/bash
# Debian packages the labelled PDF corpus is built from (documentation PDFs with their TeX
# sources, R package vignettes with their Sweave sources, LibreOffice to print generated pages,
# fonts, python3-docx, poppler-utils).
set -euo pipefail
PKGS=(
  texlive-publishers-doc texlive-latex-extra-doc texlive-science-doc texlive-humanities-doc
  texlive-latex-recommended-doc texlive-lang-chinese texlive-lang-cjk
  texlive-fonts-recommended-doc texlive-latex-base-doc texlive-metapost-doc texlive-pictures-doc
  texlive-pstricks-doc texlive-fonts-extra-doc
  libreoffice-writer-nogui python3-docx python3-pylatexenc poppler-utils
  fonts-noto-cjk fonts-wqy-zenhei fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-dejavu-core fonts-linuxlibertine
)
# R packages whose vignettes (PDF beside the Sweave source) are typeset papers of the corpus
R_PKGS=(
  r-bioc-all r-bioc-altcdfenvs r-bioc-annotate r-bioc-annotationdbi r-bioc-arrayexpress
  r-bioc-biobase r-bioc-biostrings r-bioc-bladderbatch r-bioc-bsgenome r-bioc-consensusclusterplus
  r-bioc-ctc r-bioc-delayedarray r-bioc-dirichletmultinomial r-bioc-dnacopy r-bioc-edger
  r-bioc-geneplotter r-bioc-genomeinfodb r-bioc-genomicalignments r-bioc-genomicfiles
  r-bioc-genomicranges r-bioc-graph r-bioc-hilbertvis r-bioc-iranges r-bioc-limma r-bioc-lpsymphony
  r-bioc-makecdfenv r-bioc-mergeomics r-bioc-metagenomeseq r-bioc-organismdbi r-bioc-pcamethods
  r-bioc-qusage r-bioc-rbgl r-bioc-rsamtools r-bioc-rtracklayer r-bioc-s4vectors r-bioc-savr
  r-bioc-shortread r-bioc-snpstats r-bioc-stringdb r-bioc-titancna r-bioc-variantannotation
  r-cran-actuar r-cran-adephylo r-cran-aer r-cran-amap r-cran-apcluster r-cran-ape r-cran-aplpack
  r-cran-bbmle r-cran-biasedurn r-cran-bms r-cran-boolnet r-cran-bradleyterry2 r-cran-brobdingnag
  r-cran-cgdsr r-cran-clue r-cran-coin r-cran-colorspace r-cran-cvar r-cran-dbscan r-cran-desolve
  r-cran-dimred r-cran-diptest r-cran-domc r-cran-doparallel r-cran-e1071 r-cran-effects r-cran-ei
  r-cran-elliptic r-cran-erm r-cran-etm r-cran-evd r-cran-expint r-cran-expm r-cran-fastcluster
  r-cran-filehash r-cran-fitdistrplus r-cran-flexmix r-cran-formula r-cran-g.data r-cran-gbutils
  r-cran-gdata r-cran-geepack r-cran-geometry r-cran-glmmtmb r-cran-gmm r-cran-gower r-cran-gplots
  r-cran-gridbase r-cran-gridsvg r-cran-gsl r-cran-gstat r-cran-gsubfn r-cran-gwidgets
  r-cran-hexbin r-cran-hwriter r-cran-hypergeo r-cran-interp r-cran-intervals r-cran-irlba
  r-cran-iso r-cran-iterators r-cran-kernlab r-cran-ks r-cran-laeken r-cran-learnbayes
  r-cran-libcoin r-cran-lme4 r-cran-lmtest r-cran-logcondens r-cran-magic r-cran-maptools
  r-cran-matrix r-cran-maxlik r-cran-maxstat r-cran-mcmc r-cran-metamix r-cran-metap r-cran-mitools
  r-cran-mixtools r-cran-mlmrev r-cran-mnp r-cran-multcomp r-cran-mutoss r-cran-mvtnorm
  r-cran-network r-cran-ordinal r-cran-pan r-cran-partitions r-cran-party r-cran-partykit
  r-cran-phylobase r-cran-plot3d r-cran-pls r-cran-powerlaw r-cran-proto r-cran-proxy r-cran-pscl
  r-cran-psych r-cran-psychotools r-cran-psychotree r-cran-psychtools r-cran-rcmdr r-cran-rcppeigen
  r-cran-rcppmlpack r-cran-rdpack r-cran-rgdal r-cran-rgenoud r-cran-rjson r-cran-robustbase
  r-cran-rockchalk r-cran-rodbc r-cran-rpart r-cran-rrcov r-cran-runit r-cran-sandwich
  r-cran-semtools r-cran-seriation r-cran-sets r-cran-shape r-cran-snowfall r-cran-sp
  r-cran-sparsem r-cran-squarem r-cran-strucchange r-cran-surveillance r-cran-survey
  r-cran-survival r-cran-survmisc r-cran-susier r-cran-systemfit r-cran-tgp r-cran-th.data
  r-cran-timeseries r-cran-tinytest r-cran-tmvtnorm r-cran-tsp r-cran-uroot r-cran-vcd r-cran-vegan
  r-cran-xtable r-cran-zoo
)
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${PKGS[@]}" "${R_PKGS[@]}"
