# The web pages the program opens are build options. The defaults live under the reserved .example
# domain so that a build never opens a real third-party site by accident.
set(PLANETARCH_MAKER_SITE "https://www.orvanel.example" CACHE STRING "The maker's main site (its forum)")
set(PLANETARCH_HELP_SITE "https://help.orvanel.example" CACHE STRING "The maker's help site")
set(PLANETARCH_PRODUCT_SITE "https://www.planetarch.example" CACHE STRING "The program's own site")
set(PLANETARCH_HELP_URL "${PLANETARCH_PRODUCT_SITE}/help.html" CACHE STRING "Online help")
set(PLANETARCH_DOWNLOAD_URL "${PLANETARCH_PRODUCT_SITE}/download.html" CACHE STRING "Download page")
set(PLANETARCH_PRODUCT_HOME_URL "${PLANETARCH_PRODUCT_SITE}/" CACHE STRING "The program's home page")
set(PLANETARCH_HOME_URL "${PLANETARCH_MAKER_SITE}/" CACHE STRING "The maker's home page (forum start page)")
set(PLANETARCH_SOFTWARE_SUITE_URL "${PLANETARCH_MAKER_SITE}/softwares.html" CACHE STRING "The maker's other programs")
set(PLANETARCH_REFER_A_FRIEND_URL "${PLANETARCH_MAKER_SITE}/ovrs-refer-a-friend.php" CACHE STRING "Refer-a-friend page")
set(PLANETARCH_DONATE_URL "${PLANETARCH_HELP_SITE}/donate.html" CACHE STRING "Donation page")
set(PLANETARCH_FULL_BRAND_URL "${PLANETARCH_HELP_SITE}/full-branding.html" CACHE STRING "Full-branding offer")
set(PLANETARCH_CO_BRAND_URL "${PLANETARCH_HELP_SITE}/co-branding.html" CACHE STRING "Co-branding offer")
